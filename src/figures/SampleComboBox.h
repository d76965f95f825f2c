#pragma once
// A drop-down list whose entries are drawn by the program (a pointer shape, a colour swatch with
// its name, a fill) instead of showing their texts; the closed list draws the chosen entry the same way.
#include <QComboBox>
#include <functional>

namespace tallox {

class SampleComboBox : public QComboBox {
    Q_OBJECT
public:
    // Draws entry `index` into `sample`, a 16 px high band centred in the entry; textColor is the
    // entry's text colour for its state (highlighted or not).
    using SamplePainter =
        std::function<void(QPainter& painter, const QRect& sample, int index, const QColor& textColor)>;

    explicit SampleComboBox(QWidget* parent = nullptr);
    void setSamplePainter(SamplePainter painter);
    // Draws one entry: fills `entry` with the background, then the sample.
    void paintEntry(QPainter& painter, const QRect& entry, int index, bool highlighted) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SamplePainter painter_;
};

}  // namespace tallox
