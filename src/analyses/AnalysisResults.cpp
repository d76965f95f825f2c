#include "analyses/AnalysisResults.h"

#include "analyses/AnalysisSupport.h"
#include "stats/ResultFormat.h"
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

} // namespace tallox
