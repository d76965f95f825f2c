// The regression page's graphical method: the steepest and the least steep straight lines that
// still pass through every uncertainty box of the current figure.
#include "analyses/AnalysisResults.h"
#include "analyses/AnalysisSupport.h"
#include "analyses/RegressionPage.h"
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FigureTable.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <cmath>

using namespace tallox;

namespace {

const QString kGraphicalCaption = QStringLiteral("Metoda graficzna");

QString boundsMessage(stats::SlopeBoundsStatus status)
{
    switch (status) {
    case stats::SlopeBoundsStatus::TooFewPoints:
        return QStringLiteral("Metoda graficzna wymaga co najmniej dwóch punktów !");
    case stats::SlopeBoundsStatus::NoLine:
        return QStringLiteral("Żadna prosta nie przechodzi przez wszystkie prostokąty niepewności !");
    case stats::SlopeBoundsStatus::Unbounded:
        return QStringLiteral("Prostokąty niepewności pozwalają na dowolnie stromą prostą - "
                              "nachylenie nie jest ograniczone !");
    case stats::SlopeBoundsStatus::Ok: break;
    }
    return {};
}

} // namespace

QGroupBox* RegressionPage::buildGraphicalGroup()
{
    MetodaGraficzna_GroupBox = new QGroupBox(kGraphicalCaption, this);
    MetodaGraficzna_GroupBox->setObjectName(QStringLiteral("MetodaGraficzna_GroupBox"));
    ProsteGraniczne_Button = new QPushButton(QStringLiteral("Proste graniczne"), MetodaGraficzna_GroupBox);
    ProsteGraniczne_Button->setObjectName(QStringLiteral("ProsteGraniczne_Button"));
    auto* grid = new QGridLayout(MetodaGraficzna_GroupBox);
    grid->addWidget(ProsteGraniczne_Button, 0, 0, 1, 2, Qt::AlignLeft);
    auto row = [this, grid](const QString& caption, const char* name) {
        const int at = grid->rowCount();
        grid->addWidget(addCaption(MetodaGraficzna_GroupBox, caption), at, 0);
        auto* label = new QLabel(MetodaGraficzna_GroupBox);
        label->setObjectName(QLatin1String(name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        grid->addWidget(label, at, 1);
        return label;
    };
    AMin_Wynik_Label = row(QStringLiteral("Najmniejsze nachylenie a min"), "AMin_Wynik_Label");
    AMax_Wynik_Label = row(QStringLiteral("Największe nachylenie a max"), "AMax_Wynik_Label");
    AGraficzna_Wynik_Label = row(QStringLiteral("Współczynnik kierunkowy"), "AGraficzna_Wynik_Label");
    BGraficzna_Wynik_Label = row(QStringLiteral("Współczynnik przecięcia"), "BGraficzna_Wynik_Label");
    grid->setColumnStretch(1, 1);
    connect(ProsteGraniczne_Button, &QPushButton::clicked, this,
            &RegressionPage::ProsteGraniczne_ButtonClick);
    return MetodaGraficzna_GroupBox;
}

void RegressionPage::clearGraphicalLabels()
{
    for (QLabel* label : {AMin_Wynik_Label, AMax_Wynik_Label, AGraficzna_Wynik_Label, BGraficzna_Wynik_Label})
        label->clear();
}

std::vector<stats::Box> RegressionPage::figureBoxes(int f) const
{
    const danewykresu& figure = figures_.record(f);
    const ChartSeries& points = chart_.series(f);
    const int n = std::min(points.count(), std::max(0, int(figure.PointCount)));
    // One axis's uncertainty of point i (worksheet row i + 1), as the boxes are drawn.
    auto uncertainty = [this](stats::UncertaintyKind kind, double common, int column, int i) -> long double {
        switch (kind) {
        case stats::UncertaintyKind::Common: return std::fabs(common);
        case stats::UncertaintyKind::PerPoint:
            if (column < 1 || column > sheetColumns || sheet_.CellType(i + 1, column) != TF1Book::NumberCell)
                return 0;
            return std::fabs(sheet_.CellNumber(i + 1, column));
        case stats::UncertaintyKind::None: break;
        }
        return 0;
    };
    std::vector<stats::Box> boxes;
    boxes.reserve(std::size_t(n));
    for (int i = 0; i < n; ++i) {
        const long double x = points.x(i), y = points.y(i);
        const long double ux = uncertainty(figure.UncKindX, figure.UncValueX, figure.UncColumnX, i);
        const long double uy = uncertainty(figure.UncKindY, figure.UncValueY, figure.UncColumnY, i);
        boxes.push_back({x - ux, x + ux, y - uy, y + uy});
    }
    return boxes;
}

void RegressionPage::ProsteGraniczne_ButtonClick()
{
    const int f = currentFigure();
    graphicalFigure_ = -1;
    chart_.clearOverlayLines();
    clearGraphicalLabels();
    // No figure, or a hidden one: the page's own messages, as "Wyznaczaj" gives them.
    const stats::FitMethod method =
        TypObliczenRegresji_ComboBox->currentIndex() == 1   ? stats::FitMethod::Weighted
        : TypObliczenRegresji_ComboBox->currentIndex() == 2 ? stats::FitMethod::Effective
                                                            : stats::FitMethod::Classical;
    if (f < 0 || figures_.record(f).PointCount <= 0 || chart_.series(f).count() == 0) {
        showAnalysisMessage(stats::fitMessage(method, {stats::FitNoticeKind::NoPoints}));
        return;
    }
    if (!figures_.record(f).Shown) {
        showAnalysisMessage(stats::fitMessage(method, {stats::FitNoticeKind::FigureHidden}));
        return;
    }
    const std::vector<stats::Box> boxes = figureBoxes(f);
    const stats::SlopeBounds bounds = stats::slopeBounds(boxes);
    if (bounds.status != stats::SlopeBoundsStatus::Ok) {
        showMessage({MessageIcon::Warning, kGraphicalCaption, boundsMessage(bounds.status),
                     MessageButtons::Ok});
        return;
    }
    graphicalFigure_ = f;
    graphicalBounds_ = bounds;
    const GraphicalResult result{f, bounds.steepest, bounds.flattest};
    AMin_Wynik_Label->setText(resultText(bounds.flattest.a));
    AMax_Wynik_Label->setText(resultText(bounds.steepest.a));
    AGraficzna_Wynik_Label->setText(reportLine(QStringLiteral("a"), result.a(), result.ua()));
    BGraficzna_Wynik_Label->setText(reportLine(QStringLiteral("b"), result.b(), result.ub()));

    // Both lines over the figure's x range, in its colour; they belong to its point series.
    const ChartSeries& points = chart_.series(f);
    const double x0 = points.minX(), x1 = points.maxX();
    std::vector<OverlayLine> lines;
    for (const stats::BoundLine& line : {bounds.steepest, bounds.flattest})
        lines.push_back({QPointF(x0, double(line.a * x0 + line.b)),
                         QPointF(x1, double(line.a * x1 + line.b)), points.penColor()});
    chart_.setOverlayLines(f, lines);
}

std::optional<GraphicalResult> RegressionPage::graphicalResult() const
{
    if (graphicalFigure_ < 0 || chart_.overlayLines().empty())
        return std::nullopt;
    return GraphicalResult{graphicalFigure_, graphicalBounds_.steepest, graphicalBounds_.flattest};
}
