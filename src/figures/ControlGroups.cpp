#include "figures/ControlGroups.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>
#include <stdexcept>

namespace tallox {

void ControlGroups::add(ControlGroup group, QWidget* member)
{
    Q_ASSERT_X(member, "ControlGroups::add", "a group member that does not exist");
    if (!member)
        throw std::logic_error("figure page: a control group member that does not exist");
    groups_[std::size_t(group)].push_back(member);
}

void ControlGroups::add(ControlGroup group, std::initializer_list<QWidget*> members)
{
    for (QWidget* member : members)
        add(group, member);
}

void ControlGroups::setEnabled(ControlGroup group, bool enabled) const
{
    for (QWidget* member : members(group))
        member->setEnabled(enabled);
}

void ControlGroups::paint(ControlGroup group, bool windowColourWanted) const
{
    const QColor colour = windowColourWanted ? windowColour() : buttonFaceColour();
    for (QWidget* member : members(group))
        paintInput(member, colour);
}

const std::vector<QWidget*>& ControlGroups::members(ControlGroup group) const
{
    return groups_[std::size_t(group)];
}

QColor buttonFaceColour() { return QApplication::palette().color(QPalette::Button); }
QColor windowColour() { return QApplication::palette().color(QPalette::Base); }

void paintInput(QWidget* input, const QColor& colour)
{
    QPalette pal = input->palette();
    // Fields fill with Base; closed lists are drawn with Button by most styles.
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Button, colour);
    input->setPalette(pal);
}

}  // namespace tallox
