#pragma once
// The uncertainty groups of the figure page, one for X ("   Niepewności  X   ") and one for Y: the
// kind of each axis's uncertainty ("Brak", "Takie same", "Różne"), the typed common value (or a
// letter naming a column), the column of per-point values, and the rebuild of the current
// figure's boxes from its record.
//
// A list's change handler answers a user's choice only: code that selects an entry does not run it.
#include "stats/LineFit.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class TF1Book;

namespace tallox {

class Chart;
class ControlGroups;
class FigureTable;

class UncertaintyPanel : public QWidget {
    Q_OBJECT
public:
    using Axis = stats::Axis;

    UncertaintyPanel(TF1Book& sheet, FigureTable& figures, Chart& chart, ControlGroups& groups,
                     QWidget* parent = nullptr);
    ~UncertaintyPanel() override;

    // The kind the axis's list shows (its entry index as a kind).
    stats::UncertaintyKind chosenKind(Axis axis) const;

    // Reads the typed common uncertainty of one axis (or the column a typed letter names).
    void Identyfikacja_Niepewnosci_X();
    void Identyfikacja_Niepewnosci_Y();
    // Rebuilds the box of every point of the current figure from its record.
    void Generacja_Niepewnosci_Wykresu();
    void Obsluga_ComboBoxa_NiepewnosciX(int index);
    void Obsluga_ComboBoxa_NiepewnosciY(int index);

    // The current figure's points were just loaded: the kinds are taken from the lists, both
    // uncertainties identified and the boxes rebuilt.
    void applyToLoadedFigure();
    // A new figure: both kinds back to "Brak" and disabled until its points are loaded.
    void prepareForNewFigure();
    // The figure was removed: inputs hidden, kinds "Brak", column lists "A", all disabled.
    void clearForNoFigure();

public slots:
    void TypNiepX_ComboBoxChange();
    void TypNiepY_ComboBoxChange();
    // A key in the value field: Enter (or the keypad's Enter) reads the value, other keys nothing.
    void NiepX_EditKeyDown(int key);
    void NiepY_EditKeyDown(int key);
    // The value field lost the focus to another control of the program.
    void NiepX_EditExit();
    void NiepY_EditExit();
    void NrKolumnyNiepewnosciX_ComboBoxChange();
    void NrKolumnyNiepewnosciY_ComboBoxChange();

signals:
    // A column of per-point uncertainties was chosen for a shown figure: its points are to be
    // loaded again (which rebuilds the boxes).
    void pointsReloadNeeded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls of one axis's group.
    struct Group {
        QLabel* caption;
        QComboBox* kind;
        QLineEdit* value;
        QLabel* valueLabel;
        QComboBox* column;
        QLabel* columnLabel;
    };
    Group group(Axis axis) const;
    void buildGroup(Axis axis, QWidget* panel);

    void identifyUncertainty(Axis axis);
    void uncertaintyKindChanged(Axis axis);
    void uncertaintyColumnChosen(Axis axis, int index);
    void uncertaintyFieldDone(Axis axis);
    void rebuildIfShown();
    // Shows the value field (kind 1), the column list (kind 2) or neither (kind 0).
    void showInput(Axis axis, int kind);

    TF1Book& sheet_;
    FigureTable& figures_;
    Chart& chart_;
    bool identifying_ = false;  // a box shown while reading a value must not read it again

    QLabel* NiepX_Label = nullptr;
    QComboBox* TypNiepX_ComboBox = nullptr;
    QLineEdit* NiepX_Edit = nullptr;
    QLabel* oWartoscidlakolumnyX_DoWykresu_Label = nullptr;
    QComboBox* NrKolumnyNiepewnosciX_ComboBox = nullptr;
    QLabel* zkolumnyX_DoWykresu_Label = nullptr;
    QLabel* NiepY_Label = nullptr;
    QComboBox* TypNiepY_ComboBox = nullptr;
    QLineEdit* NiepY_Edit = nullptr;
    QLabel* oWartoscidlakolumnyY_DoWykresu_Label = nullptr;
    QComboBox* NrKolumnyNiepewnosciY_ComboBox = nullptr;
    QLabel* zkolumnyY_DoWykresu_Label = nullptr;
};

}  // namespace tallox
