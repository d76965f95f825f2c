#include "common/PanelStatusBar.h"

#include <QLabel>

namespace tallox {

PanelStatusBar::PanelStatusBar(const std::vector<Panel>& panels, QWidget* parent)
    : QStatusBar(parent)
{
    setSizeGripEnabled(true);
    for (const Panel& p : panels) {
        auto* label = new QLabel(this);
        // Every panel has its width; the last one gives way when the window is narrower than
        // the panels together, rather than forcing the window wider.
        if (&p == &panels.back()) {
            label->setMinimumWidth(8);
            label->setMaximumWidth(p.width);
            label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        } else {
            label->setFixedWidth(p.width);
        }
        label->setAlignment(p.alignment | Qt::AlignVCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        addWidget(label);
        labels_.push_back(label);
    }
}

QLabel* PanelStatusBar::panel(int index) const
{
    return index >= 0 && index < panelCount() ? labels_[std::size_t(index)] : nullptr;
}

QString PanelStatusBar::panelText(int index) const
{
    const QLabel* label = panel(index);
    return label ? label->text() : QString();
}

void PanelStatusBar::setPanelText(int index, const QString& text)
{
    if (QLabel* label = panel(index)) {
        label->setText(text);
        label->setToolTip(text);
    }
}

} // namespace tallox
