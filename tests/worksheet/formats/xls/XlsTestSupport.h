#pragma once
// Shared helpers of the .xls tests: files, expected cells, and comparing sheets exactly.
#include "worksheet/cells/SheetCells.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <bit>
#include <charconv>
#include <cstdint>
#include <map>
#include <string>
#include <utility>

namespace tallox::xls::testing {

// Workbooks saved by another spreadsheet program, with their expected cells (tests/data/xls).
inline QString referenceDir() { return QStringLiteral(TALLOX_TESTS_DIR "/data/xls"); }

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

// A file of the reference folder; a missing or empty one fails the calling test.
inline QByteArray referenceBytes(const QString& name)
{
    const QByteArray bytes = fileBytes(referenceDir() + "/" + name);
    if (bytes.isEmpty())
        ADD_FAILURE() << "missing reference file " << name.toStdString();
    return bytes;
}

// A cell as compared in tests: numbers by their bits (so -0.0 differs from 0.0), texts exactly.
struct CellValue {
    SheetCell::Kind kind;
    std::uint64_t bits = 0;
    QString text;
    bool operator==(const CellValue&) const = default;
};

using CellMap = std::map<std::pair<int, int>, CellValue>;

inline CellValue valueOf(const SheetCell& c)
{
    if (c.kind == SheetCell::Kind::Number)
        return {c.kind, std::bit_cast<std::uint64_t>(c.number), {}};
    return {c.kind, 0, c.text};
}

// Cells by position; a position given twice counts as a failure of the reader.
inline CellMap cellMap(const SheetCells& sheet, int* duplicates = nullptr)
{
    CellMap map;
    int twice = 0;
    for (const SheetCell& c : sheet.cells)
        if (!map.emplace(std::pair{c.row, c.col}, valueOf(c)).second)
            ++twice;
    if (duplicates)
        *duplicates = twice;
    return map;
}

// LibreOffice's program when it is installed, else empty (the calling test skips).
inline QString officeProgram()
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    return office.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("libreoffice")) : office;
}

// Has LibreOffice, without windows and with its own profile folder, open `file` (with the
// options in `extra`, e.g. an import filter) and save it as `to` into outDir. Empty when it
// did; otherwise what it said.
inline QString convertWithOffice(const QString& office, const QString& profile, const QString& file,
                                 const QString& to, const QString& outDir, const QStringList& extra = {})
{
    QDir().mkpath(outDir);
    QProcess p;
    p.start(office, QStringList{QStringLiteral("--headless"), QStringLiteral("-env:UserInstallation=file://") + profile}
                        + extra
                        + QStringList{QStringLiteral("--convert-to"), to, QStringLiteral("--outdir"), outDir, file});
    if (!p.waitForFinished(240000))
        return QStringLiteral("LibreOffice did not finish");
    if (p.exitCode() != 0)
        return QString::fromLocal8Bit(p.readAllStandardError());
    return {};
}

// The cells a reference file's expected list gives, one per line: row <TAB> column <TAB> N|T
// <TAB> value; numbers as the shortest decimal that reads back exactly, texts with \\, \t and \n
// escaped. A missing file or a malformed line fails the calling test.
inline CellMap expectedCellsFile(const QString& path)
{
    CellMap cells;
    const QByteArray bytes = fileBytes(path);
    if (bytes.isEmpty())
        ADD_FAILURE() << "missing reference file " << path.toStdString();
    for (const QString& line : QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u'\t');
        if (f.size() < 4 || (f[2] != u"N" && f[2] != u"T")) {
            ADD_FAILURE() << "bad line in " << path.toStdString() << ": " << line.toStdString();
            continue;
        }
        const QString value = line.section(u'\t', 3);
        const std::pair at{f[0].toInt(), f[1].toInt()};
        if (f[2] == u"N") {
            const std::string digits = value.toStdString();
            double d = 0.0;
            std::from_chars(digits.data(), digits.data() + digits.size(), d);
            cells[at] = {SheetCell::Kind::Number, std::bit_cast<std::uint64_t>(d), {}};
            continue;
        }
        QString text;
        for (qsizetype i = 0; i < value.size(); ++i) {
            QChar c = value[i];
            if (c == u'\\' && i + 1 < value.size()) {
                const QChar e = value[++i];
                c = e == u't' ? QChar(u'\t') : e == u'n' ? QChar(u'\n') : e;
            }
            text += c;
        }
        cells[at] = {SheetCell::Kind::Text, 0, text};
    }
    return cells;
}

inline std::string describe(const CellValue& v)
{
    if (v.kind == SheetCell::Kind::Number)
        return "N " + std::to_string(std::bit_cast<double>(v.bits));
    return "T " + v.text.left(60).toStdString();
}

} // namespace tallox::xls::testing

namespace tallox::xls::testing {

// What any successful load must look like: cells inside the 200 × 26 sheet, each position once,
// no empty texts. A refusal must give a reason.
inline ::testing::AssertionResult loadedConsistently(const SheetReadResult& r)
{
    if (!r.ok)
        return r.error.isEmpty() ? ::testing::AssertionFailure() << "refused without a reason"
                                 : ::testing::AssertionSuccess();
    int duplicates = 0;
    cellMap(r.sheet, &duplicates);
    if (duplicates)
        return ::testing::AssertionFailure() << duplicates << " cells given twice";
    for (const SheetCell& c : r.sheet.cells) {
        if (c.row < 1 || c.row > 200 || c.col < 1 || c.col > 26)
            return ::testing::AssertionFailure() << "cell outside the sheet: " << c.row << "," << c.col;
        if (c.kind == SheetCell::Kind::Text && c.text.isEmpty())
            return ::testing::AssertionFailure() << "empty text cell at " << c.row << "," << c.col;
    }
    return ::testing::AssertionSuccess();
}

} // namespace tallox::xls::testing
