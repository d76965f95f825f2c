#pragma once
// The page "Linearyzacja / Transformacja": a figure's data turned into a straight-line problem,
// either by a law (power, exponential, natural logarithmic, hyperbolic) or by transforming X, Y
// or both with their uncertainties propagated. The transformed values go into the worksheet's
// transform columns and into the figure's points; the effective fit of the regression page fits
// them, lists its row and draws its line. The page shows the fitted line's six results and,
// after a law, the law's own parameters with their uncertainties.
//
// A list's change handler answers a user's choice only: code that selects an entry does not
// run it.
#include "analyses/AnalysisResults.h"
#include "stats/Linearization.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class QComboBox;
class QFrame;
class QLabel;
class QPushButton;
class RegressionPage;
class TF1Book;

namespace tallox {
class Chart;
class FigureTable;
class FiguresPage;
}

class LinearizationPage : public QWidget {
    Q_OBJECT
public:
    LinearizationPage(TF1Book& sheet, tallox::FigureTable& figures, tallox::Chart& chart,
                      tallox::FiguresPage& figuresPage, RegressionPage& regressionPage,
                      QWidget* parent = nullptr);

    QComboBox* NrWykresudoLinearyzacji_ComboBox = nullptr;
    QComboBox* TransformacjaDanych_TakNie_ComboBox = nullptr;
    QFrame* TransformacjaDanych_Nie_Panel = nullptr;  // shown for "Tak": the law
    QComboBox* TypLinearyzacji_ComboBox = nullptr;
    QFrame* TransformacjaDanych_Tak_Panel = nullptr;  // shown for "Nie": the transformations
    QComboBox* TypTransformacjiDanychX_ComboBox = nullptr;
    QComboBox* TypTransformacjiDanychY_ComboBox = nullptr;
    QPushButton* Linearyzacja_Button = nullptr;
    QLabel* PoLinearyzacji_Label = nullptr;
    QLabel* WspolczynnikApoLinearyzacji_Label = nullptr;
    QLabel* WspolczynnikBpoLinearyzacji_Label = nullptr;
    QLabel* WspolczynnikSapoLinearyzacji_Label = nullptr;
    QLabel* WspolczynnikSbpoLinearyzacji_Label = nullptr;
    QLabel* WspolczynnikRpoLinearyzacji_Label = nullptr;
    QLabel* WspolczynnikChi2poLinearyzacji_Label = nullptr;
    QLabel* InfoTransformacja1_Label = nullptr;
    QLabel* InfoTransformacja2_Label = nullptr;
    QLabel* ParametryFunkcji_Label = nullptr;
    QLabel* ParametrFunkcji1_Label = nullptr;
    QLabel* ParametrFunkcji2_Label = nullptr;

    // The result of the last run whose fit succeeded; none before it or after a refused fit.
    const std::optional<tallox::LinearizationResult>& lastResult() const { return result_; }

public slots:
    // "Tak" shows the law, "Nie" the transformations, with the button's and heading's texts.
    void TransformacjaDanych_TakNie_ComboBoxChange();
    // "LINEARYZUJ" / "TRANSFORMUJ": the chosen figure's data linearized or transformed, fitted,
    // listed, drawn and shown.
    void Linearyzacja_ButtonClick();
    void Obsluga_lin_potegowy();
    void Obsluga_lin_wykladniczy();
    void Obsluga_lin_logarytmiczny_exp();
    void Obsluga_lin_hiperboliczny();
    // Both axes of a figure transformed as the two pickers say, X first.
    void Obsluga_transformacji_danych(int figure);
    // The six result labels from the figure's record, and the law's parameters after a law.
    void Wypisanie_wynikow_potransformacji_funkcyjnej(int figure);
    // Empties the result labels and hides the information lines and the law's parameters.
    void clearResults();

private:
    void buildControls();
    void placeControls();
    QList<QLabel*> resultLabels() const;
    // The chosen figure's slot (the index of NrWykresudoLinearyzacji_ComboBox).
    int chosenFigure() const;
    // Each point of the chosen figure moved to (X', Y') of the law, the values written to the
    // transform columns; a refused value keeps its point's coordinate and leaves its cell empty.
    void linearize(tallox::stats::Law law);
    // The uncertainties of one axis a law changes, carried through the law's function (ln or
    // 1/x) from the points' untransformed coordinates into the axis's transform column; the axis
    // then has per-point uncertainties from that column.
    void propagateLawUncertainties(int figure, tallox::stats::Axis axis,
                                   tallox::stats::Transform function,
                                   const std::vector<double>& untransformed);
    // One axis of a figure: its uncertainties propagated, then its values transformed.
    void transformAxis(int figure, tallox::stats::Axis axis, tallox::stats::Transform transform);
    // t(v) of the value column, rows 1 to the figure's point count, into the target column and
    // the points' coordinates.
    void Transformacja_danych(int figure, tallox::stats::Axis axis, int valueColumn,
                              tallox::stats::Transform transform, int targetColumn);
    // u·t'(v) from the value and uncertainty columns into the target column.
    void Transformacja_niepewnosci(int figure, int valueColumn, int uncertaintyColumn,
                                   int targetColumn, tallox::stats::Transform transform);
    void showLawParameters(bool visible);
    // A run points a figure's per-point uncertainties at the transform columns, which the next
    // run empties first: that run starts again from the columns the figure had before.
    void restoreUncertaintyColumns(int figure);

    TF1Book& sheet_;
    tallox::FigureTable& figures_;
    tallox::Chart& chart_;
    tallox::FiguresPage& figuresPage_;
    RegressionPage& regressionPage_;
    std::optional<tallox::LinearizationResult> result_;
    // Per slot, the X and Y uncertainty columns a transformation replaced (0: none).
    std::array<std::array<std::uint8_t, 2>, 5> replacedUncertaintyColumns_{};
};
