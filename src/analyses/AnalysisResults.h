#pragma once
// The results of the analyses as values: what each run found, kept beside its row of the result
// list. Labels and list rows are texts made from these values, and picking a row shows its value
// again, so nothing is ever read back from a shown text.
#include "stats/LineFit.h"
#include "stats/Linearization.h"
#include "stats/SlopeBounds.h"

#include <QMetaType>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace tallox {

// A standard mean of one worksheet column.
struct MeanResult {
    int column = 0;          // 1 = A
    int count = 0;           // numeric cells of the column
    long double mean = 0;
    long double sdSingle = 0;  // standard deviation of a single measurement
    long double sdMean = 0;    // standard deviation of the mean
    bool operator==(const MeanResult&) const = default;
};

// A weighted mean of a column of values with a column of their uncertainties.
struct WeightedMeanResult {
    int column = 0;
    int uncertaintyColumn = 0;
    int count = 0;
    long double mean = 0;
    long double sd = 0;                     // standard deviation of the weighted mean
    std::optional<long double> chi2;        // reduced chi-squared; none for a single value
    bool operator==(const WeightedMeanResult&) const = default;
};

// A weighted mean of several series, each a column reduced to its mean.
struct SeriesMeanResult {
    QString columns;  // the column-set expression as normalised in its field, "A,D,K-N"
    long double mean = 0;
    long double sd = 0;
    long double chi2 = 0;
    bool operator==(const SeriesMeanResult&) const = default;
};

// The kinds of mean in the order of the page's kind picker; a row's kind is its alternative.
enum class MeanKind { Standard, Weighted, Series };
using MeanRow = std::variant<MeanResult, WeightedMeanResult, SeriesMeanResult>;
inline MeanKind kindOf(const MeanRow& row) { return MeanKind(row.index()); }

// An estimate of the number of measurements a series needs.
struct PlanningResult {
    int column = 0;
    QString tStudent;   // the coefficient as typed
    QString accuracy;   // the accuracy as typed
    int count = 0;
    long double mean = 0;
    long double sdSingle = 0;
    long double measurements = 0;  // the smallest number of measurements
    bool operator==(const PlanningResult&) const = default;
};

// One axis of a fitted figure as its row names it.
struct FitAxis {
    int column = 0;       // the data column
    QString heading;      // its heading as the worksheet showed it
    stats::UncertaintyKind uncertainty = stats::UncertaintyKind::None;
    QString uncertaintyText;     // the common value as typed (kind Common)
    QString uncertaintyHeading;  // the heading of the uncertainty column (kind PerPoint)
    bool operator==(const FitAxis&) const = default;
};

// A straight line fitted to a figure.
struct FitResult {
    stats::FitMethod method = stats::FitMethod::Classical;
    QString name;        // "Klasyczna", "Ważona po X" or "Y", "Efektywna"
    int figure = 0;      // slot, 0-based
    FitAxis x, y;
    long double a = 0, b = 0;
    std::optional<long double> sa, sb;  // none where two points leave no spread
    long double r = 0;
    std::optional<long double> chi2;
    bool operator==(const FitResult&) const = default;
};

// The straight line fitted to a figure's linearized or transformed data, Y' = a·X' + b.
struct LinearizationResult {
    std::optional<stats::Law> law;  // the law linearized by; none after a transformation
    long double a = 0, b = 0;
    std::optional<long double> sa, sb;
    long double r = 0;
    std::optional<long double> chi2;
    bool operator==(const LinearizationResult&) const = default;
};

// The graphical method on a figure: the steepest and the least steep lines through every box.
struct GraphicalResult {
    int figure = 0;  // slot, 0-based
    stats::BoundLine steepest, flattest;
    long double a() const { return (steepest.a + flattest.a) / 2; }
    long double ua() const { return (steepest.a - flattest.a) / 2; }
    long double b() const { return (steepest.b + flattest.b) / 2; }
    long double ub() const;
};

// Results as a lab report writes them: "name = v ± u" in report notation (uncertainty rounded
// up to two significant digits, value to the same place), several results joined by "; ".
//   mean              "x̄ (B) = 15.1 ± 1.3"            ± the standard deviation of the mean
//   weighted mean     "x̄w (B, D) = 15.132 ± 0.067"    data column, uncertainty column
//   mean of series    "x̄w (A,D,K-N) = 15.13 ± 0.07"   the column set as typed
//   planning          "n (B) = 12; x (B) = 15.1 ± 1.3" n the number of measurements needed,
//                                                       ± the deviation of a single measurement
//   fit               "a = 13.60 ± 0.92; b = 6.98 ± 0.60; r = 0.9940587"   r with 7 decimals
//   graphical method  "a = 1.00 ± 0.50; b = 1.0 ± 1.0"
// A quantity without an uncertainty (a fit of two points) is written with 10 decimals alone.
QString reportText(const MeanRow& result);
QString reportText(const PlanningResult& result);
QString reportText(const FitResult& result);
QString reportText(const GraphicalResult& result);
// The same for a result list row's value; empty for a value of no known kind.
QString reportTextOf(const QVariant& result);
// One quantity: "name = v ± u" (or "name = v" with 10 decimals when u has no value).
QString reportLine(const QString& name, long double value, const std::optional<long double>& u);

// The name a fit is listed under.
QString fitName(stats::FitMethod method, stats::Axis weightedBy);

// A column as results show it: "3 (C)".
QString columnText(int column);

// The texts of a result row (sub-item k at index k); the page's labels show the same texts.
QStringList rowTexts(const MeanRow& result);
QStringList rowTexts(const PlanningResult& result);
QStringList rowTexts(const FitResult& result);
// The six fit results a, b, sa, sb, r, chi-squared as labels and rows show them.
QStringList fitValueTexts(const FitResult& result);
// The six results of a linearization in the page's short format (6 decimals).
QStringList linearizationTexts(const LinearizationResult& result);
// The law with its parameters: the heading and the two parameters' lines ("n = 1.503 ± 0.021");
// empty without a law.
QStringList lawParameterTexts(const LinearizationResult& result);

} // namespace tallox

Q_DECLARE_METATYPE(tallox::MeanRow)
Q_DECLARE_METATYPE(tallox::PlanningResult)
Q_DECLARE_METATYPE(tallox::FitResult)
Q_DECLARE_METATYPE(tallox::LinearizationResult)
Q_DECLARE_METATYPE(tallox::GraphicalResult)
