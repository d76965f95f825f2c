#include "analyses/LinearizationPage.h"

#include "analyses/AnalysisSupport.h"
#include "analyses/RegressionPage.h"
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FigureTable.h"
#include "figures/FiguresPage.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/SheetUndo.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tallox;
using stats::Axis;
using stats::Law;
using stats::Transform;

namespace {

// The entries of the law picker and of the two transformation pickers.
constexpr std::array kLaws{Law::Power, Law::Exponential, Law::Logarithmic, Law::Hyperbolic};
constexpr std::array kTransforms{Transform::None, Transform::Square, Transform::Sqrt,
                                 Transform::Reciprocal, Transform::ReciprocalSquare,
                                 Transform::Ln, Transform::Exp};

// The figure record keeps the law in its own enum, listed in the same order.
LinearizationLaw recordedLaw(Law law) { return LinearizationLaw(int(law)); }
Law lawOf(LinearizationLaw law) { return Law(int(law)); }

const QColor kGreen(0, 128, 0);
const QColor kMaroon(128, 0, 0);

QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return panel;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text = {})
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

void setTextColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

std::optional<long double> recordedValue(long double value)
{
    return std::isnan(value) ? std::nullopt : std::optional<long double>(value);
}

void showFault(const stats::DomainFault& fault)
{
    showAnalysisMessage(fromUtf8(stats::transformErrorCaption),
                        QString::fromStdString(stats::domainFaultText(fault)));
}

} // namespace

LinearizationPage::LinearizationPage(TF1Book& sheet, FigureTable& figures, Chart& chart,
                                     FiguresPage& figuresPage, RegressionPage& regressionPage,
                                     QWidget* parent)
    : QWidget(parent), sheet_(sheet), figures_(figures), chart_(chart), figuresPage_(figuresPage),
      regressionPage_(regressionPage)
{
    static_assert(std::tuple_size_v<decltype(replacedUncertaintyColumns_)> == FigureTable::slotCount);
    setObjectName(QStringLiteral("LinearyzacjaTabSheet"));
    buildControls();
    placeControls();
    connect(TransformacjaDanych_TakNie_ComboBox, &QComboBox::activated, this,
            &LinearizationPage::TransformacjaDanych_TakNie_ComboBoxChange);
    connect(Linearyzacja_Button, &QPushButton::clicked, this,
            &LinearizationPage::Linearyzacja_ButtonClick);
    // Start-up chooses "Tak": the law's panel and the linearization's texts.
    TransformacjaDanych_TakNie_ComboBoxChange();
    clearResults();
}

void LinearizationPage::buildControls()
{
    NrWykresudoLinearyzacji_ComboBox =
        makePicker(this, "NrWykresudoLinearyzacji_ComboBox", {QStringLiteral("1")}, 0);
    TransformacjaDanych_TakNie_ComboBox = makePicker(
        this, "TransformacjaDanych_TakNie_ComboBox", {QStringLiteral("Tak"), QStringLiteral("Nie")}, 0);
    TransformacjaDanych_Nie_Panel = makePanel(this, "TransformacjaDanych_Nie_Panel");
    TypLinearyzacji_ComboBox = makePicker(
        TransformacjaDanych_Nie_Panel, "TypLinearyzacji_ComboBox",
        {QStringLiteral("Potęgowa"), QStringLiteral("Wykładnicza"),
         QStringLiteral("Logarytmiczna o podstawie e"), QStringLiteral("Hiperboliczna")},
        0);
    TransformacjaDanych_Tak_Panel = makePanel(this, "TransformacjaDanych_Tak_Panel");
    TypTransformacjiDanychX_ComboBox = makePicker(
        TransformacjaDanych_Tak_Panel, "TypTransformacjiDanychX_ComboBox",
        {QStringLiteral("Brak"), QStringLiteral("X^2"), QStringLiteral("Sqrt ( X )"),
         QStringLiteral("1 / X"), QStringLiteral("1 / ( X^2 )"), QStringLiteral("Ln ( X )"),
         QStringLiteral("Exp ( X )")},
        0);
    TypTransformacjiDanychY_ComboBox = makePicker(
        TransformacjaDanych_Tak_Panel, "TypTransformacjiDanychY_ComboBox",
        {QStringLiteral("Brak"), QStringLiteral("Y^2"), QStringLiteral("Sqrt ( Y )"),
         QStringLiteral("1 / Y"), QStringLiteral("1 / ( Y^2 )"), QStringLiteral("Ln ( Y )"),
         QStringLiteral("Exp ( Y )")},
        0);
    TransformacjaDanych_Tak_Panel->hide();

    Linearyzacja_Button = new QPushButton(this);
    Linearyzacja_Button->setObjectName(QStringLiteral("Linearyzacja_Button"));
    Linearyzacja_Button->setMinimumWidth(140);
    QFont bold = Linearyzacja_Button->font();
    bold.setBold(true);
    Linearyzacja_Button->setFont(bold);
    PoLinearyzacji_Label = makeLabel(this, "PoLinearyzacji_Label");
    PoLinearyzacji_Label->setFont(bold);

    InfoTransformacja1_Label = makeLabel(
        this, "InfoTransformacja1_Label",
        QStringLiteral("Transformowane dane zawarte są w kolumnie 'Trans X', 'Trans Y';"));
    // The second line names the two uncertainty columns, X and Y.
    InfoTransformacja2_Label = makeLabel(
        this, "InfoTransformacja2_Label",
        QStringLiteral("natomiast transformowane niepewności w kolumnach 'Trans niep X',  'Trans niep Y'."));
    ParametryFunkcji_Label = makeLabel(this, "ParametryFunkcji_Label");
    ParametryFunkcji_Label->setFont(bold);
    ParametrFunkcji1_Label = makeLabel(this, "ParametrFunkcji1_Label");
    ParametrFunkcji2_Label = makeLabel(this, "ParametrFunkcji2_Label");
    for (QLabel* label : {ParametrFunkcji1_Label, ParametrFunkcji2_Label}) {
        label->setFont(bold);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
}

void LinearizationPage::placeControls()
{
    auto* lawLayout = new QHBoxLayout(TransformacjaDanych_Nie_Panel);
    lawLayout->addWidget(addCaption(TransformacjaDanych_Nie_Panel, QStringLiteral("Funkcja")));
    lawLayout->addWidget(TypLinearyzacji_ComboBox, 1);
    auto* transformLayout = new QGridLayout(TransformacjaDanych_Tak_Panel);
    transformLayout->addWidget(addCaption(TransformacjaDanych_Tak_Panel, QStringLiteral("Dane X")), 0, 0);
    transformLayout->addWidget(TypTransformacjiDanychX_ComboBox, 0, 1);
    transformLayout->addWidget(addCaption(TransformacjaDanych_Tak_Panel, QStringLiteral("Dane Y")), 1, 0);
    transformLayout->addWidget(TypTransformacjiDanychY_ComboBox, 1, 1);
    transformLayout->setColumnStretch(1, 1);

    auto* inputs = new QGridLayout;
    inputs->addWidget(addCaption(this, QStringLiteral("Z wykresu")), 0, 0);
    inputs->addWidget(NrWykresudoLinearyzacji_ComboBox, 0, 1, Qt::AlignLeft);
    inputs->addWidget(addCaption(this, QStringLiteral("Czy dane z wykresu mają być poddane  linearyzacji:")), 1, 0);
    inputs->addWidget(TransformacjaDanych_TakNie_ComboBox, 1, 1, Qt::AlignLeft);
    auto* left = new QVBoxLayout;
    left->addLayout(inputs);
    left->addWidget(TransformacjaDanych_Nie_Panel);
    left->addWidget(TransformacjaDanych_Tak_Panel);
    left->addWidget(Linearyzacja_Button, 0, Qt::AlignLeft);
    left->addStretch();

    auto* grid = new QGridLayout;
    WspolczynnikApoLinearyzacji_Label = addResultRow(grid, QStringLiteral("a"), "WspolczynnikApoLinearyzacji_Label");
    WspolczynnikBpoLinearyzacji_Label = addResultRow(grid, QStringLiteral("b"), "WspolczynnikBpoLinearyzacji_Label");
    WspolczynnikSapoLinearyzacji_Label = addResultRow(grid, QStringLiteral("sa"), "WspolczynnikSapoLinearyzacji_Label");
    WspolczynnikSbpoLinearyzacji_Label = addResultRow(grid, QStringLiteral("sb"), "WspolczynnikSbpoLinearyzacji_Label");
    WspolczynnikRpoLinearyzacji_Label = addResultRow(grid, QStringLiteral("r"), "WspolczynnikRpoLinearyzacji_Label");
    WspolczynnikChi2poLinearyzacji_Label =
        addResultRow(grid, QStringLiteral("Chi^2"), "WspolczynnikChi2poLinearyzacji_Label");
    grid->setColumnStretch(2, 1);
    auto* results = new QVBoxLayout;
    results->addWidget(PoLinearyzacji_Label);
    results->addLayout(grid);
    results->addSpacing(8);
    results->addWidget(ParametryFunkcji_Label);
    results->addWidget(ParametrFunkcji1_Label);
    results->addWidget(ParametrFunkcji2_Label);
    results->addSpacing(8);
    results->addWidget(InfoTransformacja1_Label);
    results->addWidget(InfoTransformacja2_Label);
    results->addStretch();

    auto* page = new QHBoxLayout(this);
    page->addLayout(left);
    page->addSpacing(16);
    page->addLayout(results, 1);
}

QList<QLabel*> LinearizationPage::resultLabels() const
{
    return {WspolczynnikApoLinearyzacji_Label,  WspolczynnikBpoLinearyzacji_Label,
            WspolczynnikSapoLinearyzacji_Label, WspolczynnikSbpoLinearyzacji_Label,
            WspolczynnikRpoLinearyzacji_Label,  WspolczynnikChi2poLinearyzacji_Label};
}

int LinearizationPage::chosenFigure() const { return NrWykresudoLinearyzacji_ComboBox->currentIndex(); }

void LinearizationPage::clearResults()
{
    for (QLabel* label : resultLabels())
        label->clear();
    InfoTransformacja1_Label->hide();
    InfoTransformacja2_Label->hide();
    showLawParameters(false);
}

void LinearizationPage::showLawParameters(bool visible)
{
    for (QLabel* label : {ParametryFunkcji_Label, ParametrFunkcji1_Label, ParametrFunkcji2_Label}) {
        if (!visible)
            label->clear();
        label->setVisible(visible);
    }
}

void LinearizationPage::TransformacjaDanych_TakNie_ComboBoxChange()
{
    TransformacjaDanych_Nie_Panel->hide();
    TransformacjaDanych_Tak_Panel->hide();
    switch (TransformacjaDanych_TakNie_ComboBox->currentIndex()) {
    case 0:
        TransformacjaDanych_Nie_Panel->show();
        Linearyzacja_Button->setText(QStringLiteral("LINEARYZUJ"));
        Linearyzacja_Button->setToolTip(QStringLiteral("Linearyzacja danych + Regresja efektywna"));
        setTextColour(Linearyzacja_Button, QPalette::ButtonText, kGreen);
        PoLinearyzacji_Label->setText(QStringLiteral("Wartości współczynników korelacji po linearyzacji:"));
        setTextColour(PoLinearyzacji_Label, QPalette::WindowText, kGreen);
        break;
    case 1:
        TransformacjaDanych_Tak_Panel->show();
        Linearyzacja_Button->setText(QStringLiteral("TRANSFORMUJ"));
        Linearyzacja_Button->setToolTip(QStringLiteral("Transformacja danych + Regresja efektywna"));
        setTextColour(Linearyzacja_Button, QPalette::ButtonText, kMaroon);
        PoLinearyzacji_Label->setText(QStringLiteral("Wartości współczynników korelacji po transformacji:"));
        setTextColour(PoLinearyzacji_Label, QPalette::WindowText, kMaroon);
        break;
    default: break;  // no selection: both panels hidden, the texts as they were
    }
}

// --- the command ---------------------------------------------------------------------------

void LinearizationPage::Linearyzacja_ButtonClick()
{
    // One box per message within the run: the boxes rebuilt several times, the two fits and a
    // column of refused values would otherwise repeat the same box.
    const MessageCommand command;
    // The transform columns it writes are one step of the sheet's undo.
    const SheetChange change(sheet_, stepNames::transform);
    const int current = figures_.currentSlot();
    const int chosen = chosenFigure();

    // The figure starts again from its worksheet columns, with empty transform columns.
    if (current >= 0)
        chart_.series(current).clear();
    sheet_.ClearRange(1, transXColumn, sheet_.MaxRow(), sheet_.MaxCol(), TF1Book::ClearKind::Values);
    for (int i = Chart::firstShapeSeries; i < Chart::seriesCount; ++i) {
        chart_.series(i).clear();
        chart_.series(i).setActive(false);
    }
    restoreUncertaintyColumns(chosen);
    figuresPage_.Obsluga_Akceptacji_Wykresu();
    figuresPage_.Generacja_Niepewnosci_Wykresu();
    if (chosen < 0 || chosen >= FigureTable::slotCount || !figures_.record(chosen).Shown)
        return;

    danewykresu& figure = figures_.record(chosen);
    bool fitted = false;
    if (TransformacjaDanych_TakNie_ComboBox->currentIndex() == 1) {
        Obsluga_transformacji_danych(chosen);
        const bool listed = regressionPage_.Regresja_efektywna(RegressionPage::FitRun::Figure);
        fitted = regressionPage_.Regresja_efektywna(RegressionPage::FitRun::Linearization) && listed;
        figure.LinByFunction = false;
    } else {
        const std::optional<Law> law = choiceAt(kLaws, TypLinearyzacji_ComboBox->currentIndex());
        if (law) {
            switch (*law) {
            case Law::Power: Obsluga_lin_potegowy(); break;
            case Law::Exponential: Obsluga_lin_wykladniczy(); break;
            case Law::Logarithmic: Obsluga_lin_logarytmiczny_exp(); break;
            case Law::Hyperbolic: Obsluga_lin_hiperboliczny(); break;
            }
            figure.LinFunction = recordedLaw(*law);
        }
        const bool stored = regressionPage_.Regresja_efektywna(RegressionPage::FitRun::Linearization);
        fitted = regressionPage_.Regresja_efektywna(RegressionPage::FitRun::Figure) && stored;
        figure.LinByFunction = true;
    }

    // A refused fit stored nothing: the page shows no results of an earlier run as this one's,
    // and no earlier line is drawn over the new points.
    if (fitted) {
        figure.RegressionDone = true;
        Wypisanie_wynikow_potransformacji_funkcyjnej(chosen);
    } else {
        result_.reset();
        for (QLabel* label : resultLabels())
            label->clear();
        showLawParameters(false);
    }
    Kolorowanie_Kolumn(sheet_);
    if (current >= 0) {
        chart_.series(Chart::firstLineSeries + current).clear();
        figuresPage_.fittedLine().hide(current);
    }
    figuresPage_.Generacja_Niepewnosci_Wykresu();
    chart_.bottomAxis().setAutomatic(true);
    chart_.leftAxis().setAutomatic(true);
    if (fitted)
        regressionPage_.Generacja_Regresji(chosen);
    InfoTransformacja1_Label->show();
    InfoTransformacja2_Label->show();
}

// --- linearization by a law ----------------------------------------------------------------

void LinearizationPage::linearize(Law law)
{
    const int f = chosenFigure();
    if (f < 0 || f >= FigureTable::slotCount)
        return;
    ChartSeries& points = chart_.series(f);
    std::vector<double> xs, ys;  // the coordinates before the law moves them
    for (int i = 0; i < points.count(); ++i) {
        xs.push_back(points.x(i));
        ys.push_back(points.y(i));
    }
    for (int i = 0; i < points.count(); ++i) {
        for (const Axis axis : {Axis::X, Axis::Y}) {
            const bool x = axis == Axis::X;
            const stats::TransformedValue t = stats::linearizedValue(law, axis, x ? points.x(i) : points.y(i));
            if (t.fault)
                showFault(*t.fault);
            if (!t.value)
                continue;
            sheet_.setCellNumber(i + 1, x ? transXColumn : transYColumn, *t.value);
            x ? points.setX(i, *t.value) : points.setY(i, *t.value);
        }
    }
    danewykresu& figure = figures_.record(f);
    if (law != Law::Exponential)
        figure.DataColumnX = transXColumn;
    if (law == Law::Power || law == Law::Exponential)
        figure.DataColumnY = transYColumn;

    // ln y carries u(y)/y, not u(y): boxes and fit weights in the law's own coordinates.
    switch (law) {
    case Law::Power:
        propagateLawUncertainties(f, Axis::X, Transform::Ln, xs);
        propagateLawUncertainties(f, Axis::Y, Transform::Ln, ys);
        break;
    case Law::Exponential: propagateLawUncertainties(f, Axis::Y, Transform::Ln, ys); break;
    case Law::Logarithmic: propagateLawUncertainties(f, Axis::X, Transform::Ln, xs); break;
    case Law::Hyperbolic: propagateLawUncertainties(f, Axis::X, Transform::Reciprocal, xs); break;
    }
}

void LinearizationPage::propagateLawUncertainties(int f, Axis axis, Transform function,
                                                  const std::vector<double>& untransformed)
{
    danewykresu& figure = figures_.record(f);
    const bool x = axis == Axis::X;
    stats::UncertaintyKind& kind = x ? figure.UncKindX : figure.UncKindY;
    if (kind == stats::UncertaintyKind::None)
        return;
    std::uint8_t& column = x ? figure.UncColumnX : figure.UncColumnY;
    const int target = x ? transUncertaintyXColumn : transUncertaintyYColumn;
    const double common = x ? figure.UncValueX : figure.UncValueY;
    // Point i's own uncertainty stands in row i + 1 of its column, as its box reads it.
    for (std::size_t i = 0; i < untransformed.size(); ++i) {
        const int row = int(i) + 1;
        const double u = kind == stats::UncertaintyKind::Common ? common : sheet_.CellNumber(row, column);
        if (const std::optional<double> carried = stats::propagatedUncertainty(function, untransformed[i], u))
            sheet_.setCellNumber(row, target, *carried);
        else
            sheet_.setCellText(row, target, QString());
    }
    if (kind == stats::UncertaintyKind::PerPoint && column != target)
        replacedUncertaintyColumns_[std::size_t(f)][x ? 0 : 1] = column;
    column = std::uint8_t(target);
    kind = stats::UncertaintyKind::PerPoint;
}

void LinearizationPage::Obsluga_lin_potegowy() { linearize(Law::Power); }
void LinearizationPage::Obsluga_lin_wykladniczy() { linearize(Law::Exponential); }
void LinearizationPage::Obsluga_lin_logarytmiczny_exp() { linearize(Law::Logarithmic); }
void LinearizationPage::Obsluga_lin_hiperboliczny() { linearize(Law::Hyperbolic); }

// --- transformation of the data ------------------------------------------------------------

void LinearizationPage::Obsluga_transformacji_danych(int f)
{
    const std::optional<Transform> onX = choiceAt(kTransforms, TypTransformacjiDanychX_ComboBox->currentIndex());
    const std::optional<Transform> onY = choiceAt(kTransforms, TypTransformacjiDanychY_ComboBox->currentIndex());
    if (onX && *onX != Transform::None)
        transformAxis(f, Axis::X, *onX);
    if (onY && *onY != Transform::None)
        transformAxis(f, Axis::Y, *onY);
}

void LinearizationPage::transformAxis(int f, Axis axis, Transform transform)
{
    danewykresu& figure = figures_.record(f);
    const bool x = axis == Axis::X;
    const int valueTarget = x ? transXColumn : transYColumn;
    const int uncertaintyTarget = x ? transUncertaintyXColumn : transUncertaintyYColumn;
    stats::UncertaintyKind& kind = x ? figure.UncKindX : figure.UncKindY;
    std::uint8_t& uncertaintyColumn = x ? figure.UncColumnX : figure.UncColumnY;
    std::uint8_t& dataColumn = x ? figure.DataColumnX : figure.DataColumnY;

    // An axis without uncertainties keeps none: the value of a common uncertainty the user has
    // switched off is no uncertainty of the data, and zeros would only raise warnings.
    if (kind == stats::UncertaintyKind::None) {
        Transformacja_danych(f, axis, dataColumn, transform, valueTarget);
        dataColumn = std::uint8_t(valueTarget);
        return;
    }
    // The propagation needs the values before they are transformed. One value for all points
    // becomes a column of its own first, so that each point carries its own uncertainty after.
    if (kind == stats::UncertaintyKind::PerPoint) {
        if (f >= 0 && f < FigureTable::slotCount && uncertaintyColumn != uncertaintyTarget)
            replacedUncertaintyColumns_[std::size_t(f)][x ? 0 : 1] = uncertaintyColumn;
        Transformacja_niepewnosci(f, dataColumn, uncertaintyColumn, uncertaintyTarget, transform);
    } else {
        const double common = x ? figure.UncValueX : figure.UncValueY;
        for (int row = 1; row <= figure.PointCount; ++row)
            sheet_.setCellNumber(row, uncertaintyTarget, common);
        uncertaintyColumn = std::uint8_t(uncertaintyTarget);
        Transformacja_niepewnosci(f, dataColumn, uncertaintyTarget, uncertaintyTarget, transform);
    }
    Transformacja_danych(f, axis, dataColumn, transform, valueTarget);
    dataColumn = std::uint8_t(valueTarget);
    uncertaintyColumn = std::uint8_t(uncertaintyTarget);
    kind = stats::UncertaintyKind::PerPoint;
}

void LinearizationPage::restoreUncertaintyColumns(int f)
{
    if (f < 0 || f >= FigureTable::slotCount)
        return;
    danewykresu& figure = figures_.record(f);
    std::array<std::uint8_t, 2>& replaced = replacedUncertaintyColumns_[std::size_t(f)];
    if (replaced[0] != 0 && figure.UncColumnX == transUncertaintyXColumn)
        figure.UncColumnX = replaced[0];
    if (replaced[1] != 0 && figure.UncColumnY == tallox::transUncertaintyYColumn)
        figure.UncColumnY = replaced[1];
    replaced = {};
}

void LinearizationPage::Transformacja_danych(int f, Axis axis, int valueColumn, Transform transform,
                                             int targetColumn)
{
    ChartSeries& points = chart_.series(f);
    const int n = figures_.record(f).PointCount;
    for (int row = 1; row <= n; ++row) {
        const stats::TransformedValue t =
            stats::transformedValue(transform, axis, sheet_.CellNumber(row, valueColumn));
        if (t.fault)
            showFault(*t.fault);
        // A refused value leaves its cell empty and its point where it was: 1/0 is no 0.
        if (!t.value)
            continue;
        sheet_.setCellNumber(row, targetColumn, *t.value);
        if (row - 1 < points.count())
            axis == Axis::X ? points.setX(row - 1, *t.value) : points.setY(row - 1, *t.value);
    }
}

void LinearizationPage::Transformacja_niepewnosci(int f, int valueColumn, int uncertaintyColumn,
                                                  int targetColumn, Transform transform)
{
    const int n = figures_.record(f).PointCount;
    for (int row = 1; row <= n; ++row) {
        const std::optional<double> u = stats::propagatedUncertainty(
            transform, sheet_.CellNumber(row, valueColumn), sheet_.CellNumber(row, uncertaintyColumn));
        if (u)
            sheet_.setCellNumber(row, targetColumn, *u);
        else
            sheet_.setCellText(row, targetColumn, QString());
    }
}

// --- the output ----------------------------------------------------------------------------

void LinearizationPage::Wypisanie_wynikow_potransformacji_funkcyjnej(int f)
{
    const danewykresu& figure = figures_.record(f);
    LinearizationResult result;
    if (figure.LinByFunction)
        result.law = lawOf(figure.LinFunction);
    result.a = figure.LinA;
    result.b = figure.LinB;
    result.sa = recordedValue(figure.LinSa);
    result.sb = recordedValue(figure.LinSb);
    result.r = figure.RegR;
    result.chi2 = recordedValue(figure.RegChi2);
    result_ = result;

    const QStringList texts = linearizationTexts(result);
    const QList<QLabel*> labels = resultLabels();
    for (int i = 0; i < labels.size(); ++i)
        labels[i]->setText(texts[i]);
    const QStringList law = lawParameterTexts(result);
    showLawParameters(!law.isEmpty());
    if (!law.isEmpty()) {
        ParametryFunkcji_Label->setText(law[0]);
        ParametrFunkcji1_Label->setText(law[1]);
        ParametrFunkcji2_Label->setText(law[2]);
    }
}
