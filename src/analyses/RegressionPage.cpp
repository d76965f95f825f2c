#include "analyses/RegressionPage.h"

#include "analyses/AnalysisResults.h"
#include "analyses/AnalysisSupport.h"
#include "chart/Chart.h"
#include "common/Dialogs.h"
#include "figures/FigureTable.h"
#include "figures/FiguresPage.h"
#include "records/ResultList.h"
#include "stats/Regression.h"
#include "stats/ResultFormat.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <vector>

using namespace tallox;

namespace {

const QString kLastPrefix = QStringLiteral("Ostatnie analizy to Regresja ");

// The entries of the kind picker and of the two uncertainty-kind pickers.
constexpr std::array kFitMethods{stats::FitMethod::Classical, stats::FitMethod::Weighted,
                                 stats::FitMethod::Effective};
constexpr std::array kUncertaintyKinds{stats::UncertaintyKind::None, stats::UncertaintyKind::Common,
                                       stats::UncertaintyKind::PerPoint};

// The record keeps 80-bit reals; a quantity without a value (two points leave no degree of
// freedom for the spread) is kept as NaN, which every result text shows as "----------".
long double storedValue(const std::optional<long double>& value)
{
    return value ? *value : std::numeric_limits<long double>::quiet_NaN();
}

std::optional<long double> recordedValue(long double value)
{
    return std::isnan(value) ? std::nullopt : std::optional<long double>(value);
}

QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

} // namespace

RegressionPage::RegressionPage(TF1Book& sheet, FigureTable& figures, Chart& chart,
                               FiguresPage& figuresPage, QWidget* parent)
    : QWidget(parent), sheet_(sheet), figures_(figures), chart_(chart), figuresPage_(figuresPage)
{
    setObjectName(QStringLiteral("RegresjaLiniowa_TabSheet"));
    buildControls();
    placeControls();

    connect(TypObliczenRegresji_ComboBox, &QComboBox::activated, this,
            &RegressionPage::TypObliczenRegresji_ComboBoxChange);
    connect(TypNiepewnosciX_DoRegWazonej_ComboBox, &QComboBox::activated, this,
            &RegressionPage::TypNiepewnosciX_DoRegWazonej_ComboBoxChange);
    connect(TypNiepewnosciY_DoRegWazonej_ComboBox, &QComboBox::activated, this,
            &RegressionPage::TypNiepewnosciY_DoRegWazonej_ComboBoxChange);
    connect(BitBtn8, &QPushButton::clicked, this, &RegressionPage::BitBtn8Click);
    connect(RegresjaFont_Button, &QPushButton::clicked, this,
            &RegressionPage::RegresjaFont_ButtonClick);
    connect(Regresja_ListView, &ResultList::rowSelected, this,
            [this](int row) { Regresja_ListViewSelectItem(row, true); });
    connect(Regresja_ListView, &QAbstractItemView::clicked, this,
            &RegressionPage::Regresja_ListViewClick);
    connect(Regresja_ListView->deleteAction(), &QAction::triggered, this,
            &RegressionPage::Delete3Click);
    // The figure display and the uncertainty display follow the figure chosen on the figures page.
    connect(&figures_, &FigureTable::currentFigureChanged, this,
            &RegressionPage::Aktualizacja_Ustawien_Do_Regresji);
}

void RegressionPage::buildControls()
{
    const QStringList kinds{QStringLiteral("Brak"), QStringLiteral("Takie same"),
                            QStringLiteral("Różne")};
    TypObliczenRegresji_ComboBox = makePicker(
        this, "TypObliczenRegresji_ComboBox",
        {QStringLiteral("Klasyczna"), QStringLiteral("Ważona"), QStringLiteral("Efektywna")}, 0);
    BitBtn8 = new QPushButton(QStringLiteral("Wyznaczaj"), this);
    BitBtn8->setObjectName(QStringLiteral("BitBtn8"));
    BitBtn8->setMinimumWidth(120);
    NrWykresudoRegresji_ComboBox =
        makePicker(this, "NrWykresudoRegresji_ComboBox", {QStringLiteral("1")}, 0);
    RegresjaFont_Button = new QPushButton(QStringLiteral("Czcionka Opisu"), this);
    RegresjaFont_Button->setObjectName(QStringLiteral("RegresjaFont_Button"));

    RegresjaKlasyczna_Panel = makePanel(this, "RegresjaKlasyczna_Panel");
    RegresjaWazonaEfektywna_Panel = makePanel(this, "RegresjaWazonaEfektywna_Panel");
    QWidget* panel = RegresjaWazonaEfektywna_Panel;
    TypNiepewnosciX_DoRegWazonej_ComboBox =
        makePicker(panel, "TypNiepewnosciX_DoRegWazonej_ComboBox", kinds, 0);
    TypNiepewnosciY_DoRegWazonej_ComboBox =
        makePicker(panel, "TypNiepewnosciY_DoRegWazonej_ComboBox", kinds, 0);
    NiepewnoscX_DoRegWazonej_Edit = new QLineEdit(QStringLiteral("0.2"), panel);
    NiepewnoscX_DoRegWazonej_Edit->setObjectName(QStringLiteral("NiepewnoscX_DoRegWazonej_Edit"));
    NiepewnoscY_DoRegWazonej_Edit = new QLineEdit(QStringLiteral("0.3"), panel);
    NiepewnoscY_DoRegWazonej_Edit->setObjectName(QStringLiteral("NiepewnoscY_DoRegWazonej_Edit"));
    oWartoscidlakolumnyX_DoRegWazonej_Label =
        makeLabel(panel, "oWartoscidlakolumnyX_DoRegWazonej_Label", QStringLiteral("o wartości"));
    oWartoscidlakolumnyY_DoRegWazonej_Label =
        makeLabel(panel, "oWartoscidlakolumnyY_DoRegWazonej_Label", QStringLiteral("o wartości"));
    NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox = makePicker(
        panel, "NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox", sheetColumnLetters(), 0);
    NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox = makePicker(
        panel, "NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox", sheetColumnLetters(), 1);
    zkolumnyX_DoRegWazonej_Label =
        makeLabel(panel, "zkolumnyX_DoRegWazonej_Label", QStringLiteral("z kolumny"));
    zkolumnyY_DoRegWazonej_Label =
        makeLabel(panel, "zkolumnyY_DoRegWazonej_Label", QStringLiteral("z kolumny"));

    // The uncertainty display only shows the figure's settings: they are changed on the
    // figures page, and the settings refresh brings them here.
    for (QComboBox* picker : {TypNiepewnosciX_DoRegWazonej_ComboBox, TypNiepewnosciY_DoRegWazonej_ComboBox,
                              NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox,
                              NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox})
        picker->setEnabled(false);
    for (QLineEdit* edit : {NiepewnoscX_DoRegWazonej_Edit, NiepewnoscY_DoRegWazonej_Edit})
        edit->setReadOnly(true);
    for (QWidget* w : std::initializer_list<QWidget*>{
             oWartoscidlakolumnyX_DoRegWazonej_Label, oWartoscidlakolumnyY_DoRegWazonej_Label,
             NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox, NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox,
             zkolumnyX_DoRegWazonej_Label, zkolumnyY_DoRegWazonej_Label, RegresjaWazonaEfektywna_Panel})
        w->setVisible(false);

    Ostatnie_Analizy_Regresji_Label = makeLabel(this, "Ostatnie_Analizy_Regresji_Label",
                                                QStringLiteral("Ostatnie Analizy to Regresja"));
    QFont heading = Ostatnie_Analizy_Regresji_Label->font();
    heading.setBold(true);
    Ostatnie_Analizy_Regresji_Label->setFont(heading);

    Regresja_ListView = new ResultList(
        QStringLiteral("Regresja_ListView"),
        {QStringLiteral("Regresja"), QStringLiteral("Wykres"), QStringLiteral("Kol X"),
         QStringLiteral("Kol Y"), QStringLiteral("NiepX"), QStringLiteral("NiepY"),
         QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("sa"), QStringLiteral("sb"),
         QStringLiteral("r"), QStringLiteral("Chi2")},
        13, this);
    Regresja_ListView->setColumnWidths({40, 25, 45, 45, 70, 70});
    Regresja_ListView->contextMenu()->setObjectName(QStringLiteral("Regresja_PopupMenu"));
    Regresja_ListView->deleteAction()->setObjectName(QStringLiteral("Delete3"));
    Regresja_ListView->setReportText(reportTextOf);
}

void RegressionPage::placeControls()
{
    auto* uncertainties = new QGridLayout(RegresjaWazonaEfektywna_Panel);
    int row = 0;
    for (bool x : {true, false}) {
        uncertainties->addWidget(addCaption(RegresjaWazonaEfektywna_Panel,
                                            x ? QStringLiteral("niepewności x")
                                              : QStringLiteral("niepewności y")),
                                 row, 0);
        uncertainties->addWidget(x ? TypNiepewnosciX_DoRegWazonej_ComboBox
                                   : TypNiepewnosciY_DoRegWazonej_ComboBox, row, 1);
        uncertainties->addWidget(x ? oWartoscidlakolumnyX_DoRegWazonej_Label
                                   : oWartoscidlakolumnyY_DoRegWazonej_Label, row, 2);
        uncertainties->addWidget(x ? zkolumnyX_DoRegWazonej_Label : zkolumnyY_DoRegWazonej_Label,
                                 row, 2);
        uncertainties->addWidget(x ? NiepewnoscX_DoRegWazonej_Edit : NiepewnoscY_DoRegWazonej_Edit,
                                 row, 3);
        uncertainties->addWidget(x ? NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox
                                   : NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox, row, 3);
        ++row;
    }
    uncertainties->setColumnStretch(4, 1);
    RegresjaKlasyczna_Panel->setMinimumHeight(RegresjaWazonaEfektywna_Panel->sizeHint().height());

    auto* inputs = new QGridLayout;
    inputs->addWidget(addCaption(this, QStringLiteral("Rodzaj Regresji")), 0, 0);
    inputs->addWidget(TypObliczenRegresji_ComboBox, 0, 1);
    inputs->addWidget(addCaption(this, QStringLiteral("Z wykresu")), 1, 0);
    inputs->addWidget(NrWykresudoRegresji_ComboBox, 1, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addWidget(RegresjaKlasyczna_Panel);
    left->addWidget(RegresjaWazonaEfektywna_Panel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn8);
    buttons->addWidget(RegresjaFont_Button);
    buttons->addStretch();
    left->addLayout(buttons);
    left->addStretch();

    auto* resultsGrid = new QGridLayout;
    Wspolczynnik_kierunkowy_a_Wynik_Label = addResultRow(
        resultsGrid, QStringLiteral("Współczynnik kierunkowy a"), "Wspolczynnik_kierunkowy_a_Wynik_Label");
    Wspolczynnik_przeciecia_b_Wynik_Label =
        addResultRow(resultsGrid, QStringLiteral("Współczynnik przecięcia osi rzędnych b"),
                     "Wspolczynnik_przeciecia_b_Wynik_Label");
    Odchylenie_standardowe_wspolczynnika_a_Wynik_Label =
        addResultRow(resultsGrid, QStringLiteral("Odchylenie standardowe współczynnika a-> sa"),
                     "Odchylenie_standardowe_wspolczynnika_a_Wynik_Label");
    Odchylenie_standardowe_wspolczynnika_b_Wynik_Label =
        addResultRow(resultsGrid, QStringLiteral("Odchylenie standardowe współczynnika b-> sb"),
                     "Odchylenie_standardowe_wspolczynnika_b_Wynik_Label");
    Wspolczynnik_korelacji_r_Wynik_Label = addResultRow(
        resultsGrid, QStringLiteral("Współczynnik korelacji r wynosi"), "Wspolczynnik_korelacji_r_Wynik_Label");
    Wartosc_testu_Chi2_Wynik_Label = addResultRow(
        resultsGrid, QStringLiteral("Wartość testu Chi^2 wynosi "), "Wartosc_testu_Chi2_Wynik_Label");
    auto* results = new QVBoxLayout;
    results->addWidget(Ostatnie_Analizy_Regresji_Label);
    results->addLayout(resultsGrid);
    results->addWidget(buildGraphicalGroup());
    results->addStretch();

    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addSpacing(16);
    top->addLayout(results, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(Regresja_ListView, 1);
}

QList<QLabel*> RegressionPage::resultLabels() const
{
    return {Wspolczynnik_kierunkowy_a_Wynik_Label, Wspolczynnik_przeciecia_b_Wynik_Label,
            Odchylenie_standardowe_wspolczynnika_a_Wynik_Label,
            Odchylenie_standardowe_wspolczynnika_b_Wynik_Label, Wspolczynnik_korelacji_r_Wynik_Label,
            Wartosc_testu_Chi2_Wynik_Label};
}

int RegressionPage::currentFigure() const { return figures_.currentSlot(); }

// --- the run -------------------------------------------------------------------------------

void RegressionPage::BitBtn8Click()
{
    if (const std::optional<stats::FitMethod> method =
            choiceAt(kFitMethods, TypObliczenRegresji_ComboBox->currentIndex())) {
        switch (*method) {
        case stats::FitMethod::Classical: Regresja_klasyczna(); break;
        case stats::FitMethod::Weighted: Regresja_wazona(); break;
        case stats::FitMethod::Effective: Regresja_efektywna(FitRun::Figure); break;
        }
    }
    // Printed whatever the outcome: a refused fit shows the previous results again.
    Wtopienie_Wynikow_Regresji();
}

void RegressionPage::Regresja_klasyczna()
{
    if (!fitCurrentFigure(stats::FitMethod::Classical, FitRun::Figure))
        return;
    const int f = currentFigure();
    Ostatnie_Analizy_Regresji_Label->setText(QStringLiteral("Ostatnie analizy to Regresja Klasyczna"));
    Wypisanie_wynikow_regresji(f);
    figuresPage_.Generacja_Niepewnosci_Wykresu();
    Generacja_Regresji(f);
}

void RegressionPage::Regresja_wazona()
{
    if (!fitCurrentFigure(stats::FitMethod::Weighted, FitRun::Figure))
        return;
    const int f = currentFigure();
    Ostatnie_Analizy_Regresji_Label->setText(kLastPrefix + figures_.record(f).RegressionName);
    Wypisanie_wynikow_regresji(f);
    figuresPage_.Generacja_Niepewnosci_Wykresu();
    Generacja_Regresji(f);
}

bool RegressionPage::Regresja_efektywna(FitRun run)
{
    if (!fitCurrentFigure(stats::FitMethod::Effective, run))
        return false;
    const int f = currentFigure();
    if (run == FitRun::Figure) {
        Ostatnie_Analizy_Regresji_Label->setText(
            QStringLiteral("Ostatnie analizy to Regresja Efektywna"));
        Wypisanie_wynikow_regresji(f);
    }
    if (figures_.record(f).RegressionDone) {
        figuresPage_.Generacja_Niepewnosci_Wykresu();
        Generacja_Regresji(f);
    }
    return true;
}

bool RegressionPage::fitCurrentFigure(stats::FitMethod method, FitRun run)
{
    auto show = [method](const stats::FitNotice& notice) {
        showAnalysisMessage(stats::fitMessage(method, notice));
    };
    const int f = currentFigure();
    if (f < 0) { // no figure chosen: nothing to take points from
        show({stats::FitNoticeKind::NoPoints});
        return false;
    }
    danewykresu& figure = figures_.record(f);
    const int n = std::max(0, figure.PointCount);
    if (const auto stop = stats::checkFigure(std::size_t(n), figure.Shown)) {
        show(*stop);
        return false;
    }

    // The points as plotted: point i of the series came from worksheet row i + 1.
    const ChartSeries& series = chart_.series(f);
    const int count = std::min(series.count(), n);
    std::vector<long double> x(static_cast<std::size_t>(count)), y(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        x[std::size_t(i)] = series.x(i);
        y[std::size_t(i)] = series.y(i);
    }

    stats::FitOutcome outcome;
    if (method == stats::FitMethod::Classical) {
        outcome = stats::classicalFit(x, y);
    } else {
        // The zero checks read the columns the points came from: the figure's own, or the
        // transform columns when the linearization fits its transformed values.
        const bool linearization = run == FitRun::Linearization;
        const int columnX = linearization ? transXColumn : figure.DataColumnX;
        const int columnY = linearization ? transYColumn : figure.DataColumnY;
        const auto dataX = columnCells(sheet_, columnX, n);
        const auto dataY = columnCells(sheet_, columnY, n);
        // No uncertainty column reads as empty cells.
        const auto uncX = figure.UncColumnX > 0 ? columnCells(sheet_, figure.UncColumnX, n)
                                                : std::vector<stats::Cell>{};
        const auto uncY = figure.UncColumnY > 0 ? columnCells(sheet_, figure.UncColumnY, n)
                                                : std::vector<stats::Cell>{};
        const stats::AxisData axisX{dataX, figure.UncKindX, figure.UncValueX, uncX};
        const stats::AxisData axisY{dataY, figure.UncKindY, figure.UncValueY, uncY};
        outcome = method == stats::FitMethod::Weighted ? stats::weightedFit(x, y, axisX, axisY)
                                                       : stats::effectiveFit(x, y, axisX, axisY);
    }
    for (const stats::FitNotice& notice : outcome.notices)
        show(notice);
    if (!outcome.fit)
        return false;

    const stats::LineFit& fit = *outcome.fit;
    // The graphical method's lines belong to the figure as it was before this fit.
    chart_.clearOverlayLines();
    if (run == FitRun::Linearization) {
        figure.LinA = fit.a;
        figure.LinB = fit.b;
        figure.LinSa = storedValue(fit.sa);
        figure.LinSb = storedValue(fit.sb);
        return true;
    }
    figure.RegA = fit.a;
    figure.RegB = fit.b;
    figure.RegSa = storedValue(fit.sa);
    figure.RegSb = storedValue(fit.sb);
    figure.RegR = fit.r;
    figure.RegChi2 = storedValue(fit.chiSquared);
    figure.RegressionDone = true;
    figure.RegressionShown = true;
    figure.RegressionKind = method;
    figure.RegressionName = fitName(method, outcome.weightedBy);
    return true;
}

// --- the output ----------------------------------------------------------------------------

FitResult RegressionPage::recordedFit(int f) const
{
    const danewykresu& figure = figures_.record(f);
    auto axis = [this](int column, stats::UncertaintyKind kind, const QString& text,
                       int uncertaintyColumn) {
        return FitAxis{column, sheet_.ColumnHeading(column), kind, text,
                       kind == stats::UncertaintyKind::PerPoint ? sheet_.ColumnHeading(uncertaintyColumn)
                                                                : QString()};
    };
    return FitResult{figure.RegressionKind,
                     figure.RegressionName,
                     f,
                     axis(figure.DataColumnX, figure.UncKindX, figure.UncTextX, figure.UncColumnX),
                     axis(figure.DataColumnY, figure.UncKindY, figure.UncTextY, figure.UncColumnY),
                     figure.RegA,
                     figure.RegB,
                     recordedValue(figure.RegSa),
                     recordedValue(figure.RegSb),
                     figure.RegR,
                     recordedValue(figure.RegChi2)};
}

std::optional<FitResult> RegressionPage::currentFit() const
{
    const int f = currentFigure();
    if (f < 0 || !figures_.record(f).RegressionDone)
        return std::nullopt;
    return recordedFit(f);
}

void RegressionPage::showResult(const FitResult& result)
{
    const QStringList texts = fitValueTexts(result);
    const QList<QLabel*> labels = resultLabels();
    for (int i = 0; i < labels.size(); ++i)
        labels[i]->setText(texts[i]);
}

void RegressionPage::Wypisanie_wynikow_regresji(int f)
{
    const FitResult result = recordedFit(f);
    showResult(result);
    // The new row becomes the focused and selected one; the list does not take the focus.
    Regresja_ListView->appendRow(rowTexts(result), QVariant::fromValue(result));
}

void RegressionPage::Generacja_Regresji(int f) { figuresPage_.showFittedLine(f); }

void RegressionPage::Wtopienie_Wynikow_Regresji()
{
    figuresPage_.fittedLine().printResults(currentFigure());
}

void RegressionPage::RegresjaFont_ButtonClick()
{
    if (const std::optional<QFont> font = runFontDialog(chart_.canvasFont()))
        chart_.setCanvasFont(*font);
    Wtopienie_Wynikow_Regresji();
}

// --- pickers and the settings refresh ------------------------------------------------------

void RegressionPage::showPanelFor(std::optional<stats::FitMethod> method)
{
    RegresjaKlasyczna_Panel->hide();
    RegresjaWazonaEfektywna_Panel->hide();
    if (!method)
        return;
    if (*method == stats::FitMethod::Classical)
        RegresjaKlasyczna_Panel->show();
    else
        RegresjaWazonaEfektywna_Panel->show();
}

void RegressionPage::TypObliczenRegresji_ComboBoxChange()
{
    showPanelFor(choiceAt(kFitMethods, TypObliczenRegresji_ComboBox->currentIndex()));
}

void RegressionPage::showUncertaintyInputs(bool xAxis, std::optional<stats::UncertaintyKind> kind)
{
    QLineEdit* edit = xAxis ? NiepewnoscX_DoRegWazonej_Edit : NiepewnoscY_DoRegWazonej_Edit;
    QLabel* columnLabel = xAxis ? zkolumnyX_DoRegWazonej_Label : zkolumnyY_DoRegWazonej_Label;
    QComboBox* column = xAxis ? NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox
                              : NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox;
    edit->hide();
    columnLabel->hide();
    column->hide();
    if (kind == stats::UncertaintyKind::Common) {
        edit->show();
    } else if (kind == stats::UncertaintyKind::PerPoint) {
        columnLabel->show();
        column->show();
    }
}

void RegressionPage::TypNiepewnosciX_DoRegWazonej_ComboBoxChange()
{
    showUncertaintyInputs(true, choiceAt(kUncertaintyKinds, TypNiepewnosciX_DoRegWazonej_ComboBox->currentIndex()));
}

void RegressionPage::TypNiepewnosciY_DoRegWazonej_ComboBoxChange()
{
    showUncertaintyInputs(false, choiceAt(kUncertaintyKinds, TypNiepewnosciY_DoRegWazonej_ComboBox->currentIndex()));
}

void RegressionPage::Aktualizacja_Ustawien_Do_Regresji()
{
    // The figure number follows the figures page's list, items included.
    const QStringList figureNumbers = figuresPage_.figureNumbers();
    if (NrWykresudoRegresji_ComboBox->count() != figureNumbers.size()) {
        NrWykresudoRegresji_ComboBox->clear();
        NrWykresudoRegresji_ComboBox->addItems(figureNumbers);
    }
    const int g = currentFigure();
    NrWykresudoRegresji_ComboBox->setCurrentIndex(g);
    if (g < 0)
        return;
    const danewykresu& figure = figures_.record(g);

    for (bool x : {true, false}) {
        QComboBox* kind = x ? TypNiepewnosciX_DoRegWazonej_ComboBox : TypNiepewnosciY_DoRegWazonej_ComboBox;
        QLineEdit* edit = x ? NiepewnoscX_DoRegWazonej_Edit : NiepewnoscY_DoRegWazonej_Edit;
        QComboBox* column = x ? NrKolumnyNiepewnosciX_DoRegWazonej_ComboBox
                              : NrKolumnyNiepewnosciY_DoRegWazonej_ComboBox;
        QLabel* columnLabel = x ? zkolumnyX_DoRegWazonej_Label : zkolumnyY_DoRegWazonej_Label;
        QLabel* valueLabel = x ? oWartoscidlakolumnyX_DoRegWazonej_Label
                               : oWartoscidlakolumnyY_DoRegWazonej_Label;
        const stats::UncertaintyKind figureKind = x ? figure.UncKindX : figure.UncKindY;

        kind->setCurrentIndex(choiceIndex(kUncertaintyKinds, figureKind));
        edit->hide();
        column->hide();
        column->setCurrentIndex(int(x ? figure.UncColumnX : figure.UncColumnY) - 1);
        columnLabel->hide();
        valueLabel->hide();
        switch (figureKind) {
        case stats::UncertaintyKind::Common:
            edit->setText(x ? figure.UncTextX : figure.UncTextY);
            edit->show();
            valueLabel->show();
            break;
        case stats::UncertaintyKind::PerPoint:
            columnLabel->show();
            column->show();
            break;
        case stats::UncertaintyKind::None: break;
        }
    }
}

void RegressionPage::RegresjaLiniowa_TabSheetShow() { Aktualizacja_Ustawien_Do_Regresji(); }

void RegressionPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    RegresjaLiniowa_TabSheetShow();
}

// --- the regression list -------------------------------------------------------------------

void RegressionPage::clearResults()
{
    Ostatnie_Analizy_Regresji_Label->clear();
    for (QLabel* label : resultLabels())
        label->clear();
}

void RegressionPage::AktualizowanieList_WynikowRegresji()
{
    const int row = Regresja_ListView->focusedRow();
    if (Regresja_ListView->rowCount() == 0 || row < 0) {
        clearResults();
        Ostatnie_Analizy_Regresji_Label->setText(kLastPrefix);
        return;
    }
    const std::optional<FitResult> result = Regresja_ListView->resultAs<FitResult>(row);
    if (!result)
        return;
    TypObliczenRegresji_ComboBox->setCurrentIndex(choiceIndex(kFitMethods, result->method));
    showPanelFor(result->method);
    Ostatnie_Analizy_Regresji_Label->setText(kLastPrefix + result->name);
    showResult(*result);
}

void RegressionPage::Regresja_ListViewSelectItem(int, bool selected)
{
    if (selected)
        AktualizowanieList_WynikowRegresji();
}

void RegressionPage::Regresja_ListViewClick() { AktualizowanieList_WynikowRegresji(); }

void RegressionPage::Delete3Click()
{
    Regresja_ListView->deleteFocusedRow();
    AktualizowanieList_WynikowRegresji();
}
