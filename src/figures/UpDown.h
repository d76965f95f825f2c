#pragma once
// A pair of small arrow buttons that step a position within a range. It is not tied to any field:
// the owner hears of each step through changing() and writes the field itself.
#include <QWidget>

class QToolButton;

namespace tallox {

class UpDown : public QWidget {
    Q_OBJECT
public:
    explicit UpDown(QWidget* parent = nullptr);

    int position() const { return position_; }
    // Kept within the range; no signal (code setting a position is no user's step).
    void setPosition(int position);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    void setRange(int minimum, int maximum);

    // A user's step up (+1) or down (-1), as the arrows do.
    void step(int direction);

    QSize sizeHint() const override;

signals:
    // The position a user's step leads to; the position has already moved there.
    void changing(int newPosition);

private:
    QToolButton* up_;
    QToolButton* down_;
    int position_ = 0;
    int minimum_ = 0;
    int maximum_ = 100;
};

}  // namespace tallox
