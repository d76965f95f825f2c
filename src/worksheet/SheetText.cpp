#include "worksheet/SheetText.h"

#include "worksheet/cells/SheetShape.h"
#include "worksheet/formats/LocaleNumber.h"

#include <QFontMetrics>
#include <cmath>

namespace tallox {

QLocale worksheetLocale()
{
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return locale;
}

QString numberToCellText(double value)
{
    return worksheetLocale().toString(value, 'g', 15);
}

// Typed numbers, the clipboard and tab-separated files read and write numbers the same way.
QString numberToExactText(double value) { return shortestNumberText(value, worksheetLocale()); }

bool readTypedNumber(const QString& text, double& value)
{
    return readLocaleNumber(text, worksheetLocale(), value);
}

bool isNumberInOtherConvention(const QString& text)
{
    const QLocale locale = worksheetLocale();
    const QChar separator = locale.decimalPoint().at(0);
    const QChar other = separator == u',' ? u'.' : u',';
    if (!text.contains(other) || text.contains(separator))
        return false;
    double value = 0.0;
    if (readTypedNumber(text, value))
        return false;
    QString swapped = text;
    swapped.replace(other, separator);
    return readTypedNumber(swapped, value);
}

QString otherConventionHint(int row, int col, const QString& text)
{
    const bool comma = worksheetLocale().decimalPoint() == QStringLiteral(",");
    QString hint = QStringLiteral("Komórka ") + columnLetters(col) + QString::number(row)
                   + QStringLiteral(": \"") + text + QStringLiteral("\" zapisano jako tekst - w tym ");
    if (comma)
        hint += QStringLiteral("układzie liczby pisze się z przecinkiem (Ctrl+K zamienia kropki na "
                               "przecinki).");
    else
        hint += QStringLiteral("układzie liczby pisze się z kropką.");
    return hint;
}

int widthInPixels(int width, const QFontMetrics& metrics)
{
    // The unit is 1/256 of the width of the digit zero; cells keep a small margin on each side.
    return int(std::lround(width / 256.0 * metrics.horizontalAdvance(QLatin1Char('0')))) + 6;
}

QString textToClipboardField(const QString& text)
{
    double unused = 0.0;
    const bool special = text.contains(u'\t') || text.contains(u'\n') || text.contains(u'\r')
                         || text.startsWith(u'"') || readTypedNumber(text, unused);
    if (!special)
        return text;
    QString quoted = text;
    quoted.replace(u'"', QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

QString joinTabSeparated(const std::vector<std::vector<QString>>& rows)
{
    QString out;
    for (const auto& row : rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i)
                out += u'\t';
            out += row[i];
        }
        out += u'\n';
    }
    return out;
}

std::vector<std::vector<ClipboardField>> splitTabSeparated(const QString& text)
{
    std::vector<std::vector<ClipboardField>> rows;
    std::vector<ClipboardField> row;
    ClipboardField field;
    bool fieldStarted = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar ch = text[i];
        if (!fieldStarted && ch == u'"') {
            // A quoted field: up to the closing quote, "" standing for one quote.
            field.quoted = true;
            for (++i; i < n; ++i) {
                if (text[i] == u'"') {
                    if (i + 1 < n && text[i + 1] == u'"') {
                        field.text += u'"';
                        ++i;
                    } else {
                        break;
                    }
                } else {
                    field.text += text[i];
                }
            }
            fieldStarted = true;
            continue;
        }
        if (ch == u'\t') {
            row.push_back(std::move(field));
            field = {};
            fieldStarted = false;
        } else if (ch == u'\r' || ch == u'\n') {
            if (ch == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            row.push_back(std::move(field));
            rows.push_back(std::move(row));
            row = {};
            field = {};
            fieldStarted = false;
        } else {
            field.text += ch;
            fieldStarted = true;
        }
    }
    if (fieldStarted || !row.empty()) {
        row.push_back(std::move(field));
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace tallox
