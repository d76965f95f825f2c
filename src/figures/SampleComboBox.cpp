#include "figures/SampleComboBox.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace tallox {

namespace {

// The samples are laid out for an entry 16 pixels high.
constexpr int sampleHeight = 16;

QRect sampleBand(const QRect& entry)
{
    return QRect(entry.left(), entry.top() + (entry.height() - sampleHeight) / 2, entry.width(),
                 sampleHeight);
}

class SampleDelegate : public QStyledItemDelegate {
public:
    explicit SampleDelegate(SampleComboBox* box) : QStyledItemDelegate(box), box_(box) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        const bool highlighted = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        box_->paintEntry(*painter, option.rect, index.row(), highlighted);
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(std::max(size.height(), sampleHeight + 4));
        return size;
    }

private:
    SampleComboBox* box_;
};

}  // namespace

SampleComboBox::SampleComboBox(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new SampleDelegate(this));
}

void SampleComboBox::setSamplePainter(SamplePainter painter)
{
    painter_ = std::move(painter);
    update();
}

void SampleComboBox::paintEntry(QPainter& painter, const QRect& entry, int index, bool highlighted) const
{
    painter.save();
    const QPalette& pal = palette();
    painter.fillRect(entry, highlighted ? pal.color(QPalette::Highlight) : pal.color(QPalette::Base));
    if (painter_ && index >= 0)
        painter_(painter, sampleBand(entry), index,
                 highlighted ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
    painter.restore();
}

void SampleComboBox::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                QStyle::SC_ComboBoxEditField, this);
    painter.save();
    if (!isEnabled())
        painter.setOpacity(0.45);
    paintEntry(painter, field, currentIndex(), false);
    painter.restore();
}

}  // namespace tallox
