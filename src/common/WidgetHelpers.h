#pragma once
// Small helpers for laying out the program's fixed-size dialogs.
#include <QColor>
#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace tallox {

// A title drawn in colour one pixel up and to the left of the same text in black, which gives it
// a slight relief. Creates the two labels at (x, y) and returns the coloured one.
QLabel* addShadowTitle(QWidget* parent, const QString& text, const QFont& font,
                       const QColor& color, int x, int y);

// Moves a window to the centre of the primary screen.
void centreOnScreen(QWidget& window);

} // namespace tallox
