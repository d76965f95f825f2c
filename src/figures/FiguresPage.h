#pragma once
// The "Wykresy" page: the chart on the left and, in a column to its right, the figure inputs:
// creating, accepting and removing the figure, its data columns, its visibility, the uncertainty
// boxes around its points and the style of its points. The figure options sub-pages (axes,
// exercise description, fit results) sit at the foot of that column.
//
// Every handler acts on the current figure, the slot selected in NrWykresu_ComboBox. A list's
// change handler answers a user's choice only: code that selects an entry does not run it.
#include "figures/FigureTable.h"
#include "figures/FittedLine.h"

#include <QColor>
#include <QStringList>
#include <QWidget>

class ColumnTable;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;
class TF1Book;

namespace tallox {

class Chart;
class SampleComboBox;
class UpDown;

class FiguresPage : public QWidget {
    Q_OBJECT
public:
    FiguresPage(TF1Book& sheet, ColumnTable& columns, FigureTable& figures, Chart& chart,
                QWidget* parent = nullptr);
    ~FiguresPage() override;

    // The current figure's slot (the entry chosen in NrWykresu_ComboBox), -1 when none is chosen.
    int currentSlot() const;

    // --- figure management ---------------------------------------------------------------
    // Accepts the current figure's settings: data columns from the lists, a check that both
    // columns hold numbers, the points loaded, the fitted line hidden.
    void Obsluga_Akceptacji_Wykresu();
    // Loads the current figure's points from rows 1 to 200 and rebuilds its boxes.
    void Akceptacja_Wykresu();
    void Obsluga_ComboBoxaKolumnyDanychX(int index);
    void Obsluga_ComboBoxaKolumnyDanychY(int index);

    // The slot's recorded fit drawn as its fitted line with its results printed on the chart,
    // and "Regresja widoczna" set to "Tak".
    void showFittedLine(int slot);
    FittedLine& fittedLine() { return fittedLine_; }

    // --- uncertainties -------------------------------------------------------------------
    // Reads the typed common uncertainty of one axis (or the column a typed letter names).
    void Identyfikacja_Niepewnosci_X();
    void Identyfikacja_Niepewnosci_Y();
    // Rebuilds the box of every point of the current figure from its record.
    void Generacja_Niepewnosci_Wykresu();
    void Obsluga_ComboBoxa_NiepewnosciX(int index);
    void Obsluga_ComboBoxa_NiepewnosciY(int index);

    // --- the style lists' samples --------------------------------------------------------
    void TypPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index, const QColor& text);
    void KolorPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index, const QColor& text);
    void StylPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index, const QColor& text);

public slots:
    void AddFigure_ButtonClick();
    void RemoveFigure_ButtonClick();
    void Akceptuj_ButtonClick();
    void NrKolumnyDanychX_ComboBoxChange();
    void NrKolumnyDanychY_ComboBoxChange();
    void WidocznyWykres_ComboBoxChange();
    void WidocznaRegresja_ComboBoxChange();

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

    void TypPunktow_ComboBoxChange();
    void KolorPunktow_ComboBoxChange();
    void StylPunktow_ComboBoxChange();
    void Rozmiar_UpDownChangingEx(int newPosition);
    void Rozmiar_EditKeyDown(int key);
    void Rozmiar_EditMouseMove();

public:
    // Figure management.
    QLabel* AktuWykres_Label = nullptr;
    QComboBox* NrWykresu_ComboBox = nullptr;
    QPushButton* AddFigure_Button = nullptr;
    QPushButton* RemoveFigure_Button = nullptr;
    QPushButton* Akceptuj_Button = nullptr;
    QLabel* Dane_Label = nullptr;
    QLabel* OsOdcietych_Label = nullptr;
    QLabel* OsRzednych_Label = nullptr;
    QComboBox* NrKolumnyDanychX_ComboBox = nullptr;
    QComboBox* NrKolumnyDanychY_ComboBox = nullptr;
    QLabel* WykresWidoczny_Label = nullptr;
    QComboBox* WidocznyWykres_ComboBox = nullptr;
    QLabel* RegresjaWidoczna_Label = nullptr;
    QComboBox* WidocznaRegresja_ComboBox = nullptr;

    // Uncertainty groups.
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

    // Point style group.
    QLabel* TypPunktow_Label = nullptr;
    SampleComboBox* TypPunktow_ComboBox = nullptr;
    QLabel* KolorPunktow_Label = nullptr;
    SampleComboBox* KolorPunktow_ComboBox = nullptr;
    QLabel* StylPunktow_Label = nullptr;
    SampleComboBox* StylPunktow_ComboBox = nullptr;
    QLabel* Rozmiar_Label = nullptr;
    QLineEdit* Rozmiar_Edit = nullptr;
    UpDown* Rozmiar_UpDown = nullptr;

    // The figure options sub-pages; their contents come with the axis, exercise and fit pages.
    QTabWidget* figureOptionsPages = nullptr;
    QWidget* Osie_TabSheet = nullptr;
    QWidget* Dodatki_TabSheet = nullptr;
    QWidget* regressionResultsPage = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Axis { X, Y };
    // The controls and record fields of one axis's uncertainty group.
    struct UncertaintyGroup {
        QLabel* caption;
        QComboBox* kind;
        QLineEdit* value;
        QLabel* valueLabel;
        QComboBox* column;
        QLabel* columnLabel;
    };
    UncertaintyGroup group(Axis axis) const;

    void buildControls();
    void buildUncertaintyGroup(Axis axis, QWidget* panel);
    void buildStyleGroup(QWidget* panel);
    void buildOptionPages();
    void wireHandlers();
    void setStartState();
    void placeInputs();

    void identifyUncertainty(Axis axis);
    void uncertaintyKindChanged(Axis axis);
    void uncertaintyColumnChosen(Axis axis, int index);
    void uncertaintyFieldDone(Axis axis);
    // Shows the value field (kind 1), the column list (kind 2) or neither (kind 0).
    void showUncertaintyInput(Axis axis, int kind);
    void loadPoints(int slot);

    QColor chosenColour() const;
    bool chosenFillSolid() const;

    // Controls looked up by name, so that the pages of later work are covered once they exist.
    QWidget* control(const QString& name) const;
    void setEnabledByName(const QStringList& names, bool enabled);
    // Inactive inputs wear the button face, active ones the window colour.
    void paintByName(const QStringList& names, bool windowColour);

    TF1Book& sheet_;
    ColumnTable& columns_;
    FigureTable& figures_;
    Chart& chart_;
    FittedLine fittedLine_;
    QScrollArea* inputsArea_ = nullptr;
    bool identifying_ = false;  // a box shown while reading a value must not read it again
};

// The colours of inactive and active inputs.
QColor buttonFaceColour();
QColor windowColour();
// Paints an input (list, field, memo, date picker) in the given colour.
void paintInput(QWidget* input, const QColor& colour);

}  // namespace tallox
