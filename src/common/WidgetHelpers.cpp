#include "common/WidgetHelpers.h"

#include <QLabel>

namespace tallox {

QLabel* addShadowTitle(QWidget* parent, const QString& text, const QFont& font,
                       const QColor& color, int x, int y)
{
    auto make = [&](const QColor& c, int left, int top) {
        auto* label = new QLabel(text, parent);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, c);
        label->setPalette(palette);
        label->adjustSize();
        label->move(left, top);
        return label;
    };
    make(Qt::black, x + 1, y + 1);
    return make(color, x, y);
}

} // namespace tallox

#include <QGuiApplication>
#include <QScreen>

void tallox::centreOnScreen(QWidget& window)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
}
