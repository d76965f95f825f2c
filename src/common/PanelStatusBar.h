#pragma once
// A status bar of fixed-width text panels, each with its own alignment.
#include <QStatusBar>
#include <vector>

class QLabel;

namespace tallox {

class PanelStatusBar : public QStatusBar {
    Q_OBJECT
public:
    struct Panel {
        int width;
        Qt::Alignment alignment;
    };
    PanelStatusBar(const std::vector<Panel>& panels, QWidget* parent = nullptr);

    int panelCount() const { return int(labels_.size()); }
    QString panelText(int index) const;
    void setPanelText(int index, const QString& text);
    QLabel* panel(int index) const;

private:
    std::vector<QLabel*> labels_;
};

} // namespace tallox
