#pragma once
// A figure's fitted straight line and the fit's results printed on the chart beside it. They are
// drawn together and hidden together, so printed results always belong to the line that is shown.
#include <QStringList>

namespace tallox {

class Chart;
class FigureTable;

class FittedLine {
public:
    FittedLine(FigureTable& figures, Chart& chart);

    // Draws the line of the slot's recorded fit over the figure's points (200 points from the
    // smallest X, the last one step short of the largest), shows it and prints the fit's results.
    void show(int slot);
    // Hides the slot's line and removes the printed results.
    void hide(int slot);
    // The results of the slot's fit printed on the chart when its line is shown; otherwise the
    // chart is left without printed results.
    void printResults(int slot);

    // The printed lines: a caption and the value's text for a, b, Sa, Sb, r and chi-squared.
    static QStringList resultCaptions();
    static QStringList resultTexts(const FigureTable& figures, int slot);

private:
    FigureTable& figures_;
    Chart& chart_;
};

}  // namespace tallox
