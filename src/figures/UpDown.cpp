#include "figures/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tallox {

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    up_ = new QToolButton(this);
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
        button->setMinimumHeight(0);
        button->setFixedWidth(16);
        column->addWidget(button);
    }
    connect(up_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::setPosition(int position) { position_ = std::clamp(position, minimum_, maximum_); }

void UpDown::setRange(int minimum, int maximum)
{
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    setPosition(position_);
}

void UpDown::step(int direction)
{
    const int next = std::clamp(position_ + (direction > 0 ? 1 : -1), minimum_, maximum_);
    if (next == position_)
        return;
    position_ = next;
    emit changing(next);
}

QSize UpDown::sizeHint() const { return QSize(16, 24); }

}  // namespace tallox
