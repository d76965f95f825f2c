#include "analyses/AnalysisResults.h"

#include "analyses/AnalysisSupport.h"
#include "stats/ReportNotation.h"
#include "stats/ResultFormat.h"

#include <QVariant>
#include <cmath>
#include <limits>
#include "worksheet/cells/SheetShape.h"

namespace tallox {

namespace {
const QString kNoValue = fromUtf8(stats::noValueText);

QString uncertaintyText(const FitAxis& axis)
{
    switch (axis.uncertainty) {
    case stats::UncertaintyKind::Common: return axis.uncertaintyText;
    case stats::UncertaintyKind::PerPoint: return axis.uncertaintyHeading;
    case stats::UncertaintyKind::None: break;
    }
    return kNoValue;
}
} // namespace

QString fitName(stats::FitMethod method, stats::Axis weightedBy)
{
    switch (method) {
    case stats::FitMethod::Classical: return QStringLiteral("Klasyczna");
    case stats::FitMethod::Weighted:
        return QStringLiteral("Ważona po ") + (weightedBy == stats::Axis::Y ? u'Y' : u'X');
    case stats::FitMethod::Effective: return QStringLiteral("Efektywna");
    }
    return {};
}

QString columnText(int column)
{
    return QString::number(column) + QStringLiteral(" (") + columnLetters(column) + u')';
}

QStringList rowTexts(const MeanRow& result)
{
    // Sub-item 0 names the kind; the ninth sub-item has no column and stays empty.
    struct Texts {
        QStringList operator()(const MeanResult& r) const
        {
            return {QStringLiteral("Standardowa"), columnText(r.column), kNoValue,
                    QString::number(r.count), resultText(r.mean), resultText(r.sdSingle),
                    resultText(r.sdMean), kNoValue, QString()};
        }
        QStringList operator()(const WeightedMeanResult& r) const
        {
            return {QStringLiteral("Ważona"), columnText(r.column), columnText(r.uncertaintyColumn),
                    QString::number(r.count), resultText(r.mean), kNoValue, resultText(r.sd),
                    resultText(r.chi2), QString()};
        }
        QStringList operator()(const SeriesMeanResult& r) const
        {
            return {QStringLiteral("Ważona z Serii"), r.columns, kNoValue, kNoValue,
                    resultText(r.mean), kNoValue, resultText(r.sd), resultText(r.chi2), QString()};
        }
    };
    return std::visit(Texts{}, result);
}

QStringList rowTexts(const PlanningResult& r)
{
    return {columnText(r.column),  r.tStudent,           r.accuracy,
            QString::number(r.count), resultText(r.mean), resultText(r.sdSingle),
            fromUtf8(stats::formatWhole(r.measurements))};
}

QStringList fitValueTexts(const FitResult& r)
{
    return {resultText(r.a),  resultText(r.b), resultText(r.sa),
            resultText(r.sb), resultText(r.r), resultText(r.chi2)};
}

QStringList rowTexts(const FitResult& r)
{
    return QStringList{r.name,
                       QString::number(r.figure + 1),
                       r.x.heading,
                       r.y.heading,
                       uncertaintyText(r.x),
                       uncertaintyText(r.y)}
           + fitValueTexts(r) + QStringList{QString()};
}

namespace {
QString shortText(const std::optional<long double>& value)
{
    return value ? fromUtf8(stats::formatFixed(*value, 6, 4)) : kNoValue;
}
} // namespace

QStringList linearizationTexts(const LinearizationResult& r)
{
    return {shortText(r.a),  shortText(r.b), shortText(r.sa),
            shortText(r.sb), shortText(r.r), shortText(r.chi2)};
}

long double GraphicalResult::ub() const { return std::fabs(steepest.b - flattest.b) / 2; }

QString reportLine(const QString& name, long double value, const std::optional<long double>& u)
{
    return name + QStringLiteral(" = ")
           + (u ? fromUtf8(stats::reportNotation(value, *u)) : resultText(value));
}

QString reportText(const MeanRow& result)
{
    struct Texts {
        QString operator()(const MeanResult& r) const
        {
            return reportLine(QStringLiteral("x̄ (") + columnLetters(r.column) + u')', r.mean, r.sdMean);
        }
        QString operator()(const WeightedMeanResult& r) const
        {
            return reportLine(QStringLiteral("x̄w (") + columnLetters(r.column) + QStringLiteral(", ")
                                  + columnLetters(r.uncertaintyColumn) + u')',
                              r.mean, r.sd);
        }
        QString operator()(const SeriesMeanResult& r) const
        {
            return reportLine(QStringLiteral("x̄w (") + r.columns + u')', r.mean, r.sd);
        }
    };
    return std::visit(Texts{}, result);
}

QString reportText(const PlanningResult& r)
{
    const QString column = QStringLiteral(" (") + columnLetters(r.column) + u')';
    return QStringLiteral("n") + column + QStringLiteral(" = ")
           + fromUtf8(stats::formatWhole(r.measurements)) + QStringLiteral("; ")
           + reportLine(QStringLiteral("x") + column, r.mean, r.sdSingle);
}

QString reportText(const FitResult& r)
{
    return reportLine(QStringLiteral("a"), r.a, r.sa) + QStringLiteral("; ")
           + reportLine(QStringLiteral("b"), r.b, r.sb) + QStringLiteral("; r = ")
           + fromUtf8(stats::formatFixed(r.r, 7, 0));
}

QString reportText(const GraphicalResult& r)
{
    return reportLine(QStringLiteral("a"), r.a(), r.ua()) + QStringLiteral("; ")
           + reportLine(QStringLiteral("b"), r.b(), r.ub());
}

QString reportTextOf(const QVariant& result)
{
    if (result.metaType() == QMetaType::fromType<MeanRow>())
        return reportText(result.value<MeanRow>());
    if (result.metaType() == QMetaType::fromType<PlanningResult>())
        return reportText(result.value<PlanningResult>());
    if (result.metaType() == QMetaType::fromType<FitResult>())
        return reportText(result.value<FitResult>());
    if (result.metaType() == QMetaType::fromType<GraphicalResult>())
        return reportText(result.value<GraphicalResult>());
    return {};
}

QStringList lawParameterTexts(const LinearizationResult& r)
{
    if (!r.law)
        return {};
    const long double none = std::numeric_limits<long double>::quiet_NaN();
    const stats::LawParameters p =
        stats::lawParameters(*r.law, r.a, r.b, r.sa.value_or(none), r.sb.value_or(none));
    auto line = [](const char* name, const stats::LawParameter& parameter) {
        return QLatin1String(name) + QStringLiteral(" = ")
               + fromUtf8(stats::reportNotation(parameter.value, parameter.uncertainty));
    };
    switch (*r.law) {
    case stats::Law::Power:
        return {QStringLiteral("Parametry funkcji: y = C·x^n"), line("n", p.first), line("C", p.second)};
    case stats::Law::Exponential:
        return {QStringLiteral("Parametry funkcji: y = C·e^(k·x)"), line("k", p.first),
                line("C", p.second)};
    case stats::Law::Logarithmic:
        return {QStringLiteral("Parametry funkcji: y = A·ln(x) + B"), line("A", p.first),
                line("B", p.second)};
    case stats::Law::Hyperbolic:
        return {QStringLiteral("Parametry funkcji: y = A/x + B"), line("A", p.first), line("B", p.second)};
    }
    return {};
}

} // namespace tallox
