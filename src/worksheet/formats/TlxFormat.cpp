#include "worksheet/formats/TlxFormat.h"

#include "common/TextDecoding.h"

#include <QStringView>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace tallox {

namespace {

constexpr char endLine[] = "end";

// ---- writing -------------------------------------------------------------------------------

void appendNumber(QByteArray& out, double value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr - buffer);
}

bool isLoneSurrogate(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

// The text with every character that a line-based file or an editor would lose spelled as an
// escape: line breaks, tabs, other control characters, the backslash itself, and a blank at
// either end (editors trim those).
QString escapeText(QStringView text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u == u'\\')
            out += QLatin1String("\\\\");
        else if (u == u'\t')
            out += QLatin1String("\\t");
        else if (u == u'\n')
            out += QLatin1String("\\n");
        else if (u == u'\r')
            out += QLatin1String("\\r");
        else if (u == u' ' && (i == 0 || i + 1 == text.size()))
            out += QLatin1String("\\s");
        else if (u < 0x20 || u == 0x7F || isLoneSurrogate(text, i))
            out += QStringLiteral("\\u%1").arg(unsigned(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

// ---- reading -------------------------------------------------------------------------------

// A line number and what is wrong with it, as the user reads it.
QString damagedLine(qsizetype line, const QString& what)
{
    return QStringLiteral("Plik arkusza jest uszkodzony: wiersz %1 pliku - %2.").arg(line).arg(what);
}

// A cell coordinate: digits only, 1 or more. Values too large for the sheet (however many
// digits) are a cell outside it, not damage.
enum class Coordinate { Bad, Inside, Beyond };
Coordinate parseCoordinate(QStringView field, int limit, int& value)
{
    if (field.isEmpty())
        return Coordinate::Bad;
    long long v = 0;
    for (const QChar c : field) {
        if (c < u'0' || c > u'9')
            return Coordinate::Bad;
        v = std::min(v * 10 + (c.unicode() - u'0'), 1'000'000'000LL);
    }
    if (v < 1)
        return Coordinate::Bad;
    if (v > limit)
        return Coordinate::Beyond;
    value = int(v);
    return Coordinate::Inside;
}

bool parseNumber(QStringView field, double& value)
{
    if (field.isEmpty() || field.size() > 40)
        return false;
    char buffer[48];
    for (qsizetype i = 0; i < field.size(); ++i) {
        const char16_t u = field[i].unicode();
        if (u > 0x7F)
            return false;
        buffer[i] = char(u);
    }
    const char* end = buffer + field.size();
    const auto result = std::from_chars(buffer, end, value);
    return result.ec == std::errc() && result.ptr == end;
}

int hexDigit(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// Undoes escapeText; false on an unknown escape or a raw control character.
bool unescapeText(QStringView field, QString& text)
{
    text.clear();
    text.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const QChar c = field[i];
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
        if (c != u'\\') {
            text += c;
            continue;
        }
        if (++i >= field.size())
            return false;
        switch (field[i].unicode()) {
        case u'\\': text += u'\\'; break;
        case u't': text += u'\t'; break;
        case u'n': text += u'\n'; break;
        case u'r': text += u'\r'; break;
        case u's': text += u' '; break;
        case u'u': {
            if (i + 4 >= field.size())
                return false;
            int code = 0;
            for (int k = 1; k <= 4; ++k) {
                const int d = hexDigit(field[i + k]);
                if (d < 0)
                    return false;
                code = code * 16 + d;
            }
            text += QChar(char16_t(code));
            i += 4;
            break;
        }
        default: return false;
        }
    }
    return true;
}

QString damagedHeader(const QString& what)
{
    return QStringLiteral("Plik arkusza Tallox jest uszkodzony: %1.").arg(what);
}

QString notTlx()
{
    return QStringLiteral("Plik nie jest arkuszem Tallox (brak nagłówka „Tallox worksheet”).");
}

// Checks the first line (its CR LF or LF taken off); `lastLine` tells that the file ends with
// it. Empty when it is a header this program reads, else what is wrong with it, said as
// precisely as the line allows.
QString headerProblem(QStringView line, bool lastLine)
{
    const QLatin1String signature(tlxSignature);
    if (line.contains(QChar(u'\0')))
        return damagedHeader(QStringLiteral("nagłówek zawiera znak NUL (dane binarne)"));
    if (line.contains(u'\r'))
        return damagedHeader(QStringLiteral("końce wierszy tylko CR (bez znaku LF)"));
    if (!line.startsWith(signature)) {
        if (lastLine && !line.isEmpty() && signature.startsWith(line))
            return damagedHeader(QStringLiteral("plik kończy się w nagłówku (mógł zostać ucięty)"));
        return notTlx();
    }
    QStringView number = line.sliced(signature.size());
    if (number.isEmpty())
        return damagedHeader(QStringLiteral("w nagłówku brak numeru wersji"));
    if (number.endsWith(u' '))
        return damagedHeader(QStringLiteral("nagłówek ma na końcu spację"));
    if (number.endsWith(u'\t'))
        return damagedHeader(QStringLiteral("nagłówek ma na końcu tabulator"));
    const bool digits = std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!digits || number.startsWith(u'0'))
        return damagedHeader(QStringLiteral("niepoprawny numer wersji w nagłówku („%1”)").arg(number.left(20)));
    // Digits only, no leading zero: a number of more digits than ours is a newer version.
    const QString ours = QString::number(tlxVersion);
    if (number.size() > ours.size() || (number.size() == ours.size() && number > QStringView(ours)))
        return QStringLiteral("Plik zapisano w nowszej wersji formatu Tallox (wersja %1); "
                              "ten program czyta wersję %2.")
            .arg(number.left(20))
            .arg(tlxVersion);
    return {};
}

// One line "row TAB col TAB kind TAB value" into the cell; the reason when it is damaged.
// Escaped texts hold no raw tab, so the line splits into exactly four fields.
QString parseCellLine(QStringView line, SheetCell& cell, bool& beyondSheet)
{
    QStringView fields[4];
    qsizetype from = 0;
    for (int i = 0; i < 3; ++i) {
        const qsizetype tab = line.indexOf(u'\t', from);
        if (tab < 0)
            return QStringLiteral("oczekiwano czterech pól rozdzielonych tabulatorem");
        fields[i] = line.sliced(from, tab - from);
        from = tab + 1;
    }
    fields[3] = line.sliced(from);
    if (fields[3].contains(u'\t'))
        return QStringLiteral("oczekiwano czterech pól rozdzielonych tabulatorem");

    const Coordinate row = parseCoordinate(fields[0], sheetRows, cell.row);
    const Coordinate col = parseCoordinate(fields[1], sheetColumns, cell.col);
    if (row == Coordinate::Bad || col == Coordinate::Bad)
        return QStringLiteral("niepoprawny numer wiersza lub kolumny komórki");
    beyondSheet = row == Coordinate::Beyond || col == Coordinate::Beyond;

    if (fields[2] == u'n') {
        cell.kind = SheetCell::Kind::Number;
        if (!parseNumber(fields[3], cell.number))
            return QStringLiteral("niepoprawna liczba");
    } else if (fields[2] == u't') {
        cell.kind = SheetCell::Kind::Text;
        if (!unescapeText(fields[3], cell.text))
            return QStringLiteral("niepoprawny zapis tekstu");
    } else {
        return QStringLiteral("nieznany rodzaj komórki");
    }
    return {};
}

} // namespace

bool looksLikeTlx(const QByteArray& bytes)
{
    const qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    return bytes.sliced(start).startsWith(tlxSignature);
}

QByteArray writeTlx(const SheetCells& sheet)
{
    const std::vector<const SheetCell*> grid = cellsByPosition(sheet);
    QByteArray out;
    out.reserve(64 + qsizetype(sheet.cells.size()) * 24);
    out.append(tlxSignature).append(QByteArray::number(tlxVersion)).append("\r\n");
    for (const SheetCell* cell : grid) {
        if (!cell)
            continue;
        out.append(QByteArray::number(cell->row)).append('\t');
        out.append(QByteArray::number(cell->col)).append('\t');
        if (cell->kind == SheetCell::Kind::Number) {
            out.append("n\t");
            appendNumber(out, cell->number);
        } else {
            out.append("t\t");
            out.append(escapeText(cell->text).toUtf8());
        }
        out.append("\r\n");
    }
    out.append(endLine).append("\r\n");
    return out;
}

SheetLoadResult readTlx(const QByteArray& bytes)
{
    // A failed read hands back no cells at all: the caller keeps its sheet.
    auto fail = [](const QString& why) {
        SheetLoadResult failed;
        failed.error = why;
        return failed;
    };
    const std::optional<QString> decoded = decodeUtf8Strict(bytes);
    if (!decoded)
        return fail(QStringLiteral("Plik arkusza Tallox jest uszkodzony: nie jest poprawnym tekstem UTF-8."));
    const QStringView text(*decoded);

    SheetLoadResult result;
    std::vector<bool> seen(std::size_t(sheetRows) * sheetColumns, false);
    qsizetype lineNumber = 0;
    bool ended = false;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype lineFeed = text.indexOf(u'\n', start);
        const qsizetype stop = lineFeed < 0 ? text.size() : lineFeed;
        QStringView line = text.sliced(start, stop - start);
        if (line.endsWith(u'\r'))
            line.chop(1);
        start = stop + 1;
        ++lineNumber;

        if (lineNumber == 1) {
            if (const QString why = headerProblem(line, lineFeed < 0); !why.isEmpty())
                return fail(why);
            continue;
        }
        if (ended) {
            if (!line.isEmpty())
                return fail(damagedLine(lineNumber, QStringLiteral("dane po wierszu końcowym „end”")));
            continue;
        }
        if (line == QLatin1String(endLine)) {
            ended = true;
            continue;
        }

        if (line.contains(QChar(u'\0')))
            return fail(damagedLine(lineNumber, QStringLiteral("znak NUL (dane binarne)")));
        SheetCell cell;
        bool beyondSheet = false;
        if (const QString why = parseCellLine(line, cell, beyondSheet); !why.isEmpty())
            return fail(damagedLine(lineNumber, why));
        if (beyondSheet) {
            result.truncated = true;
            continue;
        }
        const std::size_t position = std::size_t(cell.row - 1) * sheetColumns + std::size_t(cell.col - 1);
        if (seen[position])
            return fail(damagedLine(lineNumber, QStringLiteral("komórka występuje w pliku po raz drugi")));
        seen[position] = true;
        if (cell.kind == SheetCell::Kind::Number || !cell.text.isEmpty())  // an empty text is an empty cell
            result.sheet.cells.push_back(std::move(cell));
    }

    if (lineNumber == 0)
        return fail(noDataReason());
    if (!ended)
        return fail(QStringLiteral("Plik arkusza jest niekompletny: brak wiersza końcowego „end” "
                                   "(plik mógł zostać ucięty)."));
    makeCellsStorable(result.sheet);
    result.ok = true;
    return result;
}

} // namespace tallox
