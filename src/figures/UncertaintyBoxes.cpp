#include "figures/UncertaintyBoxes.h"

#include "figures/FigureTable.h"
#include "stats/NumberText.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"

namespace tallox {

namespace {

const QString kUserErrorCaption = QStringLiteral("Poważny błąd użytkownika!");

Message programBox(const QString& caption, const QString& text)
{
    return {MessageIcon::None, caption, text, MessageButtons::Ok};
}

// The checks of one axis's per-point value.
struct AxisTexts {
    QString sameColumn;
    QString negative;
    QString zeroCaption;
    QString zero;
};

const AxisTexts& xTexts()
{
    static const AxisTexts texts{
        QStringLiteral("Kolumna niepewności x-ksa jest taka sama jak kolumna danych x-ów! Zastanów się!"),
        QStringLiteral("Niepewność x-ksa nie może być ujemna! Zastanów się!"),
        QStringLiteral("Ostrzeżenie o nieprawidłowej wartości niepewności x-ksa!!"),
        QStringLiteral("Niepewność x-ksa jest zerem! ")};
    return texts;
}

const AxisTexts& yTexts(bool xKindSet)
{
    // With no X uncertainty the same-column message speaks of "y-a".
    static const AxisTexts withX{
        QStringLiteral("Kolumna niepewności y-ka jest taka sama jak kolumna danych y-ów! Zastanów się!"),
        QStringLiteral("Niepewność y-ka nie może być ujemna! Zastanów się!"),
        QStringLiteral("Ostrzeżenie o nieprawidłowej wartości niepewności y-ka!!"),
        QStringLiteral("Niepewność y-ka jest zerem! ")};
    static const AxisTexts withoutX{
        QStringLiteral("Kolumna niepewności y-a jest taka sama jak kolumna danych y-ów! Zastanów się!"),
        withX.negative, withX.zeroCaption, withX.zero};
    return xKindSet ? withX : withoutX;
}

}  // namespace

UncertaintyReading readUncertaintyText(const QString& typed)
{
    UncertaintyReading reading;
    const std::string cleaned = stats::cleanNumberText(typed.toStdString());
    const stats::NumberConversion number = stats::convertNumber(cleaned);
    reading.text = QString::fromStdString(cleaned);
    if (number.ok()) {
        reading.outcome = UncertaintyReading::Outcome::Value;
        reading.value = double(number.value);
    } else if (number.errorPosition == 1 && !cleaned.empty() && cleaned[0] >= 'A' && cleaned[0] <= 'Z') {
        reading.outcome = UncertaintyReading::Outcome::Column;
        reading.column = cleaned[0] - 'A' + 1;
    } else {
        reading.notices.push_back(programBox(
            QStringLiteral("Uwaga !"),
            QStringLiteral("Niepoprawny format numeryczny!  Popraw wartość niepewności!")));
    }
    return reading;
}

UncertaintyBoxes computeUncertaintyBoxes(const danewykresu& figure, std::span<const QPointF> points,
                                         const TF1Book& sheet)
{
    using stats::UncertaintyKind;
    UncertaintyBoxes result;
    const bool xSet = figure.UncKindX != UncertaintyKind::None;
    const bool ySet = figure.UncKindY != UncertaintyKind::None;
    if (!xSet && !ySet)
        return result;

    auto perPoint = [&](int row, int column) -> double {
        if (column < 1 || column > sheetColumns)
            return 0.0;
        result.lastRow = row, result.lastColumn = column;
        return sheet.CellType(row, column) == TF1Book::NumberCell ? sheet.CellNumber(row, column) : 0.0;
    };
    // One axis's uncertainty of point i; false when the rebuild is to stop (the same-column check
    // does not depend on the point, so it stops the rebuild at the first point).
    auto uncertainty = [&](UncertaintyKind kind, double common, int uncColumn, int dataColumn,
                           const AxisTexts& texts, int i, double& u) {
        u = 0;
        if (kind == UncertaintyKind::Common) {
            u = common;
        } else if (kind == UncertaintyKind::PerPoint) {
            if (uncColumn == dataColumn) {
                result.notices.push_back(programBox(kUserErrorCaption, texts.sameColumn));
                return false;
            }
            u = perPoint(i + 1, uncColumn);
            if (u < 0)
                result.notices.push_back(programBox(kUserErrorCaption, texts.negative));
            else if (u == 0)
                result.notices.push_back(programBox(texts.zeroCaption, texts.zero));
        }
        return true;
    };

    result.boxes.reserve(points.size());
    for (std::size_t i = 0; i < points.size(); ++i) {
        const double x = points[i].x(), y = points[i].y();
        double ux = 0, uy = 0;
        if (!uncertainty(figure.UncKindX, figure.UncValueX, figure.UncColumnX, figure.DataColumnX,
                         xTexts(), int(i), ux)
            || !uncertainty(figure.UncKindY, figure.UncValueY, figure.UncColumnY, figure.DataColumnY,
                            yTexts(xSet), int(i), uy))
            break;
        if (xSet && ySet)
            result.boxes.push_back({{x - ux, y + uy}, {x + ux, y - uy}});
        else if (xSet)
            result.boxes.push_back({{x - ux, y}, {x + ux, y}});
        else
            result.boxes.push_back({{x, y + uy}, {x, y - uy}});
    }
    return result;
}

}  // namespace tallox
