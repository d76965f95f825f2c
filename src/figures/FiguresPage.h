#pragma once
// The "Wykresy" page: the chart on the left and, in a column to its right, the figure inputs. The
// page composes the parts that own them: figure management (FigureManager), the uncertainty
// groups (UncertaintyPanel), the point style group (PointStylePanel) and the figure options
// sub-pages at the foot of the column; the fitted line and its printed results go together
// (FittedLine). Controls that several parts switch on or off together are kept in ControlGroups.
//
// Every handler acts on the current figure, the slot selected in NrWykresu_ComboBox.
#include "figures/ControlGroups.h"
#include "figures/FittedLine.h"
#include "stats/LineFit.h"

#include <QStringList>
#include <QWidget>

class ColumnTable;
class QAction;
class QScrollArea;
class QTabWidget;
class TF1Book;

namespace tallox {

class AxisPanel;
class ExercisePanel;
class Chart;
class FigureManager;
class FigureTable;
class PointStylePanel;
class UncertaintyPanel;

class FiguresPage : public QWidget {
    Q_OBJECT
public:
    FiguresPage(TF1Book& sheet, ColumnTable& columns, FigureTable& figures, Chart& chart,
                QWidget* parent = nullptr);
    ~FiguresPage() override;

    // The current figure's slot (the entry chosen in NrWykresu_ComboBox), -1 when none is chosen.
    int currentSlot() const;
    // The entries of the figure list, as the regression page shows them.
    QStringList figureNumbers() const;

    // "Akceptuj Ustawienia" on the current figure: its points loaded again from the worksheet
    // columns chosen in the lists, its boxes rebuilt, its fitted line hidden.
    void Obsluga_Akceptacji_Wykresu();
    // Rebuilds the box of every point of the current figure from its record.
    void Generacja_Niepewnosci_Wykresu();
    // The slot's recorded fit drawn as its fitted line with its results printed on the chart,
    // and "Regresja widoczna" set to "Tak".
    void showFittedLine(int slot);
    FittedLine& fittedLine() { return fittedLine_; }
    // The chart menu's grid items, kept in step with the axis page's grid boxes.
    void attachGridMenuItems(QAction* vertical, QAction* horizontal);
    // Removes the current figure as "Usuń" does, when a figure exists.
    void removeFigureIfPresent();
    // The exercise description (the "   Dodatki   " page), created hidden.
    ExercisePanel& exercisePanel() { return *exercisePanel_; }
    void setExercisePageVisible(bool visible);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildOptionPages();
    void setStartState();
    // A figure exists (or no longer does): the axis page and the exercise description follow.
    void setFigureOptionsEnabled(bool enabled);
    void placeInputs();

    FigureTable& figures_;
    Chart& chart_;
    FittedLine fittedLine_;
    ControlGroups groups_;
    QScrollArea* inputsArea_ = nullptr;
    UncertaintyPanel* uncertainties_ = nullptr;
    PointStylePanel* pointStyles_ = nullptr;
    FigureManager* manager_ = nullptr;
    QTabWidget* optionPages_ = nullptr;
    AxisPanel* axisPanel_ = nullptr;
    QWidget* axisPage_ = nullptr;
    QWidget* exercisePage_ = nullptr;
    ExercisePanel* exercisePanel_ = nullptr;
};

}  // namespace tallox
