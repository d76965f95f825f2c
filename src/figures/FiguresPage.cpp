#include "figures/FiguresPage.h"

#include "chart/Chart.h"
#include "figures/AxisPanel.h"
#include "figures/ExercisePanel.h"
#include "figures/FigureManager.h"
#include "figures/FigureTable.h"
#include "figures/PointStylePanel.h"
#include "figures/UncertaintyPanel.h"

#include <QEvent>
#include <QGridLayout>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tallox {

FiguresPage::FiguresPage(TF1Book& sheet, ColumnTable& columns, FigureTable& figures, Chart& chart,
                         QWidget* parent)
    : QWidget(parent), figures_(figures), chart_(chart), fittedLine_(figures, chart)
{
    setObjectName(QStringLiteral("Wykresy_TabSheet"));
    chart_.setParent(this);
    chart_.move(0, 0);
    chart_.installEventFilter(this);
    chart_.show();

    inputsArea_ = new QScrollArea(this);
    inputsArea_->setObjectName(QStringLiteral("figureInputsArea"));
    inputsArea_->setWidgetResizable(true);
    inputsArea_->setFrameShape(QFrame::NoFrame);
    inputsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inputs = new QWidget;
    inputs->setObjectName(QStringLiteral("figureInputs"));
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(5);

    uncertainties_ = new UncertaintyPanel(sheet, figures_, chart_, groups_, inputs);
    pointStyles_ = new PointStylePanel(figures_, chart_, groups_, inputs);
    manager_ = new FigureManager(sheet, columns, figures_, chart_, fittedLine_, *uncertainties_, groups_, inputs);
    column->addWidget(manager_);
    column->addWidget(uncertainties_);
    column->addWidget(pointStyles_);
    column->addWidget(manager_->acceptButton());
    buildOptionPages();
    // The axis page is the tallest: the column scrolls rather than squeeze it.
    optionPages_->setMinimumHeight(std::max(120, optionPages_->sizeHint().height()));
    column->addWidget(optionPages_, 1);
    inputsArea_->setWidget(inputs);

    connect(manager_, &FigureManager::figurePresenceChanged, this, &FiguresPage::setFigureOptionsEnabled);
    // The printed results are those of the current figure's line while it is shown, or none.
    connect(&figures_, &FigureTable::currentFigureChanged, this,
            [this](int slot) { fittedLine_.printResults(slot); });
    setStartState();
    placeInputs();
}

FiguresPage::~FiguresPage() { chart_.removeEventFilter(this); }

int FiguresPage::currentSlot() const { return manager_->currentSlot(); }

QStringList FiguresPage::figureNumbers() const { return manager_->figureNumbers(); }

void FiguresPage::Obsluga_Akceptacji_Wykresu() { manager_->Obsluga_Akceptacji_Wykresu(); }

void FiguresPage::Generacja_Niepewnosci_Wykresu() { uncertainties_->Generacja_Niepewnosci_Wykresu(); }

void FiguresPage::showFittedLine(int slot) { manager_->showFittedLine(slot); }

void FiguresPage::attachGridMenuItems(QAction* vertical, QAction* horizontal)
{
    axisPanel_->attachGridMenuItems(vertical, horizontal);
}

void FiguresPage::removeFigureIfPresent()
{
    if (manager_->figurePresent())
        manager_->RemoveFigure_ButtonClick();
}

void FiguresPage::buildOptionPages()
{
    optionPages_ = new QTabWidget;
    optionPages_->setObjectName(QStringLiteral("figureOptionsPages"));
    // The axis page registers its controls in groups_ (AxisPageControls, its tick, increment and
    // label-distance fields in AxisFields, its title and margin fields in FigureInputs); the
    // exercise description its labels in ExerciseLabels and its inputs in ExerciseInputs.
    // Creating and removing a figure then switch them with the page.
    axisPanel_ = new AxisPanel(figures_, chart_, groups_);
    axisPage_ = axisPanel_;
    auto* regressionResultsPage = new QWidget;
    regressionResultsPage->setObjectName(QStringLiteral("regressionResultsPage"));
    // Each scroll bar comes to the front whenever it changes.
    auto* edges = new QGridLayout(regressionResultsPage);
    edges->setContentsMargins(0, 0, 0, 0);
    edges->setRowStretch(0, 1);
    edges->setColumnStretch(0, 1);
    for (const auto& [name, orientation] : {std::pair{"ScrollBar1", Qt::Horizontal},
                                            std::pair{"ScrollBar2", Qt::Vertical}}) {
        auto* bar = new QScrollBar(orientation, regressionResultsPage);
        bar->setObjectName(QLatin1String(name));
        connect(bar, &QScrollBar::valueChanged, bar, &QWidget::raise);
        if (orientation == Qt::Horizontal)
            edges->addWidget(bar, 1, 0);
        else
            edges->addWidget(bar, 0, 1);
    }
    exercisePage_ = new QWidget;
    exercisePage_->setObjectName(QStringLiteral("Dodatki_TabSheet"));
    exercisePanel_ = new ExercisePanel(groups_, exercisePage_);
    (new QVBoxLayout(exercisePage_))->addWidget(exercisePanel_);
    optionPages_->addTab(axisPage_, QStringLiteral("Osie"));
    optionPages_->setTabToolTip(0, axisPage_->toolTip());
    optionPages_->addTab(regressionResultsPage, QStringLiteral("  Wyniki Regresji  "));
    optionPages_->addTab(exercisePage_, QStringLiteral("   Dodatki   "));
    // The exercise description is created hidden; the exercise work shows it.
    optionPages_->setTabVisible(optionPages_->indexOf(exercisePage_), false);
}

void FiguresPage::setExercisePageVisible(bool visible)
{
    optionPages_->setTabVisible(optionPages_->indexOf(exercisePage_), visible);
}

void FiguresPage::setStartState()
{
    // Until a figure exists its inputs wear the button face; the parts disabled their own.
    for (ControlGroup group : {ControlGroup::FigureInputs, ControlGroup::UncertaintyKindLists,
                               ControlGroup::AxisFields, ControlGroup::ExerciseInputs})
        groups_.paint(group, false);
    groups_.setEnabled(ControlGroup::AxisFields, false);
    groups_.setEnabled(ControlGroup::PointStyle, false);
    optionPages_->setTabEnabled(optionPages_->indexOf(axisPage_), false);
    optionPages_->setTabEnabled(optionPages_->indexOf(exercisePage_), false);
}

void FiguresPage::setFigureOptionsEnabled(bool enabled)
{
    optionPages_->setTabEnabled(optionPages_->indexOf(axisPage_), enabled);
    groups_.setEnabled(ControlGroup::AxisPageControls, enabled);
    groups_.setEnabled(ControlGroup::AxisFields, enabled);
    groups_.paint(ControlGroup::AxisFields, enabled);
    optionPages_->setTabEnabled(optionPages_->indexOf(exercisePage_), enabled);
    groups_.setEnabled(ControlGroup::ExerciseLabels, enabled);
    groups_.setEnabled(ControlGroup::ExerciseInputs, enabled);
    groups_.paint(ControlGroup::ExerciseInputs, enabled);
}

void FiguresPage::placeInputs()
{
    const int left = chart_.x() + chart_.width();
    inputsArea_->setGeometry(left, 0, std::max(0, width() - left), height());
}

void FiguresPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The chart fills the page's height; its width is the main window's to set.
    chart_.resize(chart_.width(), height());
    placeInputs();
}

bool FiguresPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &chart_ && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
        placeInputs();
    return QWidget::eventFilter(watched, event);
}

}  // namespace tallox
