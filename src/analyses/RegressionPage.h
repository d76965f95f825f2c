#pragma once
// The page "Regresja Liniowa": a straight line y = a·x + b fitted to the points of the current
// figure (the slot chosen on the figures page), classically, weighted by the dominating axis's
// uncertainties, or effectively with the uncertainties of both axes. A fit stores its results in
// the figure's record, shows them in the labels, adds a row to the regression list, draws the
// line over the figure and prints the results onto the chart.
//
// A list's change handler answers a user's choice only: code that selects an entry does not
// run it.
//
// The page reads the figures through the figure table and asks the figures page only to draw:
// the uncertainty boxes, the fitted line and its printed results.
#include "stats/LineFit.h"
#include "stats/SlopeBounds.h"

#include <QWidget>
#include <optional>
#include <vector>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TF1Book;

namespace tallox {
class Chart;
class FigureTable;
class FiguresPage;
class ResultList;
struct FitResult;
struct GraphicalResult;
}

class RegressionPage : public QWidget {
    Q_OBJECT
public:
    // Who runs a fit: "Wyznaczaj" on the current figure (its data columns checked, the results
    // stored, shown and listed), or the linearization on the figure it has re-plotted from the
    // transform columns (those columns checked, only the coefficients stored, into the Lin
    // fields, nothing shown).
    enum class FitRun { Figure, Linearization };

    RegressionPage(TF1Book& sheet, tallox::FigureTable& figures, tallox::Chart& chart,
                   tallox::FiguresPage& figuresPage, QWidget* parent = nullptr);

    QComboBox* TypObliczenRegresji_ComboBox = nullptr;
    QPushButton* BitBtn8 = nullptr;
    QComboBox* NrWykresudoRegresji_ComboBox = nullptr;
    QFrame* RegresjaKlasyczna_Panel = nullptr;
    QFrame* RegresjaWazonaEfektywna_Panel = nullptr;
    QComboBox* TypNiepewnosciX_DoRegWazonej_ComboBox = nullptr;
    QLineEdit* NiepewnoscX_DoRegWazonej_Edit = nullptr;
    QLabel* oWartoscidlakolumnyX_DoRegWazonej_Label = nullptr;
    QComboBox* NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox = nullptr;
    QLabel* zkolumnyX_DoRegWazonej_Label = nullptr;
    QComboBox* TypNiepewnosciY_DoRegWazonej_ComboBox = nullptr;
    QLineEdit* NiepewnoscY_DoRegWazonej_Edit = nullptr;
    QLabel* oWartoscidlakolumnyY_DoRegWazonej_Label = nullptr;
    QComboBox* NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox = nullptr;
    QLabel* zkolumnyY_DoRegWazonej_Label = nullptr;
    QLabel* Ostatnie_Analizy_Regresji_Label = nullptr;
    QLabel* Wspolczynnik_kierunkowy_a_Wynik_Label = nullptr;
    QLabel* Wspolczynnik_przeciecia_b_Wynik_Label = nullptr;
    QLabel* Odchylenie_standardowe_wspolczynnika_a_Wynik_Label = nullptr;
    QLabel* Odchylenie_standardowe_wspolczynnika_b_Wynik_Label = nullptr;
    QLabel* Wspolczynnik_korelacji_r_Wynik_Label = nullptr;
    QLabel* Wartosc_testu_Chi2_Wynik_Label = nullptr;
    QPushButton* RegresjaFont_Button = nullptr;
    tallox::ResultList* Regresja_ListView = nullptr;
    // "Metoda graficzna": the steepest and the least steep lines through every box.
    QGroupBox* MetodaGraficzna_GroupBox = nullptr;
    QPushButton* ProsteGraniczne_Button = nullptr;
    QLabel* AMin_Wynik_Label = nullptr;
    QLabel* AMax_Wynik_Label = nullptr;
    QLabel* AGraficzna_Wynik_Label = nullptr;
    QLabel* BGraficzna_Wynik_Label = nullptr;

    // The last graphical method's result while its two lines are still drawn (the figure has
    // not been accepted again, removed or hidden, nor fitted since); nothing otherwise.
    std::optional<tallox::GraphicalResult> graphicalResult() const;
    // The current figure's recorded fit; nothing before its first fit.
    std::optional<tallox::FitResult> currentFit() const;

public slots:
    // "Wyznaczaj": the chosen kind of fit on the current figure, then the results printed onto
    // the chart whatever the fit's outcome.
    void BitBtn8Click();
    void Regresja_klasyczna();
    void Regresja_wazona();
    // False when the fit stopped (its boxes told why) and nothing was stored.
    bool Regresja_efektywna(FitRun run);

    // The six result labels from the figure's record, and a new row of the regression list.
    void Wypisanie_wynikow_regresji(int figure);
    // The figure's fitted line: 200 points from its smallest X on, one step short of its
    // largest.
    void Generacja_Regresji(int figure);
    // The result labels printed onto the chart canvas in the canvas font.
    void Wtopienie_Wynikow_Regresji();

    void TypObliczenRegresji_ComboBoxChange();
    void TypNiepewnosciX_DoRegWazonej_ComboBoxChange();
    void TypNiepewnosciY_DoRegWazonej_ComboBoxChange();
    // The figure number and the current figure's uncertainty kinds and values, shown again.
    void Aktualizacja_Ustawien_Do_Regresji();
    void RegresjaLiniowa_TabSheetShow();

    // The focused row of the regression list shown again in the labels (cleared when empty).
    void AktualizowanieList_WynikowRegresji();
    void Regresja_ListViewSelectItem(int row, bool selected);
    void Regresja_ListViewClick();
    void Delete3Click();
    // "Czcionka Opisu": the font of the text printed onto the chart.
    void RegresjaFont_ButtonClick();
    // "Proste graniczne": the graphical method on the current figure's boxes; the two lines
    // drawn dashed in the figure's colour, the extreme slopes and a, b in report notation.
    void ProsteGraniczne_ButtonClick();
    // Empties the heading of the last analysis and the six result labels.
    void clearResults();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void placeControls();
    // The slot of the figure chosen on the figures page, -1 when none is.
    int currentFigure() const;
    // One fit of the current figure: the checks, the fit, its notices shown in order, the
    // record written. False when the run stopped.
    bool fitCurrentFigure(tallox::stats::FitMethod method, FitRun run);
    // The result of a figure's recorded fit as its row lists it.
    tallox::FitResult recordedFit(int figure) const;
    // The six result labels from a fit.
    void showResult(const tallox::FitResult& result);
    // Hides or shows the value field or the column picker beside one axis's kind picker.
    void showUncertaintyInputs(bool xAxis, std::optional<tallox::stats::UncertaintyKind> kind);
    void showPanelFor(std::optional<tallox::stats::FitMethod> method);
    QList<QLabel*> resultLabels() const;
    QGroupBox* buildGraphicalGroup();
    // The current figure's boxes as drawn: point i with its X and Y uncertainties (none: 0).
    std::vector<tallox::stats::Box> figureBoxes(int figure) const;
    void clearGraphicalLabels();

    TF1Book& sheet_;
    tallox::FigureTable& figures_;
    tallox::Chart& chart_;
    tallox::FiguresPage& figuresPage_;
    // The last graphical method's figure (-1: none yet) and lines.
    int graphicalFigure_ = -1;
    tallox::stats::SlopeBounds graphicalBounds_;
};
