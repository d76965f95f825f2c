#include "figures/FigureTable.h"

#include <algorithm>
#include <stdexcept>

namespace tallox {

danewykresu& FigureTable::record(int slot)
{
    if (slot < 0 || slot >= slotCount)
        throw std::out_of_range("figure slot outside 0..4");
    return slots_[std::size_t(slot)];
}

const danewykresu& FigureTable::record(int slot) const
{
    return const_cast<FigureTable&>(*this).record(slot);
}

void FigureTable::setCurrentSlot(int slot)
{
    if (slot == current_)
        return;
    current_ = slot;
    emit currentFigureChanged(slot);
}

int FigureTable::raiseCount()
{
    count_ = std::min(count_ + 1, maxCount);
    return count_;
}

int FigureTable::preparedSlotFor(int count) { return std::clamp(count, 0, slotCount - 1); }

void FigureTable::prepareSlot(int slot, int fromSlot)
{
    danewykresu& target = record(slot);
    const danewykresu& source = record(fromSlot);
    target.Shown = true;
    if (slot == fromSlot)
        return;
    target.DataColumnX = source.DataColumnX;
    target.DataColumnY = source.DataColumnY;
    target.AxisTitleX = source.AxisTitleX;
    target.AxisTitleY = source.AxisTitleY;
    target.PointType = source.PointType;
    target.PointColour = source.PointColour;
    target.FigureTitle = source.FigureTitle;
}

}  // namespace tallox
