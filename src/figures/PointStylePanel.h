#pragma once
// The point style group ("Typ", "Kolor", "Styl", "Rozmiar"): how the current figure's points are
// drawn, and the samples the three owner-drawn lists show instead of their entry numbers. A change
// applies to the current figure's point series at once.
//
// A list's change handler answers a user's choice only: code that selects an entry does not run it.
#include <QColor>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPainter;

namespace tallox {

class Chart;
class ControlGroups;
class FigureTable;
class SampleComboBox;
class UpDown;

class PointStylePanel : public QWidget {
    Q_OBJECT
public:
    PointStylePanel(FigureTable& figures, Chart& chart, ControlGroups& groups, QWidget* parent = nullptr);
    ~PointStylePanel() override;

    // The samples of the style lists' entries.
    void TypPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index, const QColor& text);
    void KolorPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index, const QColor& text);
    void StylPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index, const QColor& text);

public slots:
    void TypPunktow_ComboBoxChange();
    void KolorPunktow_ComboBoxChange();
    void StylPunktow_ComboBoxChange();
    void Rozmiar_UpDownChangingEx(int newPosition);
    void Rozmiar_EditKeyDown(int key);
    void Rozmiar_EditMouseMove();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QColor chosenColour() const;
    bool chosenFillSolid() const;

    FigureTable& figures_;
    Chart& chart_;

    QLabel* TypPunktow_Label = nullptr;
    SampleComboBox* TypPunktow_ComboBox = nullptr;
    QLabel* KolorPunktow_Label = nullptr;
    SampleComboBox* KolorPunktow_ComboBox = nullptr;
    QLabel* StylPunktow_Label = nullptr;
    SampleComboBox* StylPunktow_ComboBox = nullptr;
    QLabel* Rozmiar_Label = nullptr;
    QLineEdit* Rozmiar_Edit = nullptr;
    UpDown* Rozmiar_UpDown = nullptr;
};

}  // namespace tallox
