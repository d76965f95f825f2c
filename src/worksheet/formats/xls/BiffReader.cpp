#include "worksheet/formats/xls/BiffReader.h"

#include "worksheet/cells/SheetShape.h"
#include "worksheet/cells/WorkbookGrid.h"
#include "worksheet/formats/xls/BiffRecords.h"
#include "worksheet/formats/xls/BiffStrings.h"
#include "worksheet/formats/xls/Bytes.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tallox::xls {

QString notANumberText() { return QStringLiteral("#NUM!"); }

namespace {

struct Record {
    std::uint16_t id = 0;
    const char* data = nullptr;
    int size = 0;
};

// Walks the records of the stream from a given offset; a record cut short by the stream's end
// ends the walk as damage.
class RecordCursor {
public:
    RecordCursor(const QByteArray& stream, qsizetype offset) : stream_(stream), offset_(offset) {}

    enum class Step { Record, End, Damaged };

    Step next(Record& r)
    {
        const auto size = std::uint64_t(stream_.size());
        if (std::uint64_t(offset_) >= size)
            return Step::End;
        if (!fits(size, std::uint64_t(offset_), 4))
            return Step::Damaged;
        const char* p = stream_.constData() + offset_;
        r.id = u16At(p);
        r.size = u16At(p + 2);
        if (!fits(size, std::uint64_t(offset_) + 4, std::uint64_t(r.size)))
            return Step::Damaged;
        r.data = p + 4;
        offset_ += 4 + r.size;
        return Step::Record;
    }

    // Text data that starts `skipped` bytes into the record just read and may run on into the
    // CONTINUE records after it; the cursor itself moves past those records.
    ContinuedReader continued(const Record& r, int skipped = 0)
    {
        const qsizetype payload = r.data - stream_.constData();
        ContinuedReader reader(stream_, payload + skipped, r.size - skipped, offset_);
        skipContinuations();
        return reader;
    }

    void skipContinuations()
    {
        for (;;) {
            const qsizetype before = offset_;
            Record r;
            if (next(r) != Step::Record || r.id != record::continuation) {
                offset_ = before;
                return;
            }
        }
    }

private:
    const QByteArray& stream_;
    qsizetype offset_;
};

QString errorText(std::uint8_t code)
{
    switch (code) {
    case 0x00: return QStringLiteral("#NULL!");
    case 0x07: return QStringLiteral("#DIV/0!");
    case 0x0F: return QStringLiteral("#VALUE!");
    case 0x17: return QStringLiteral("#REF!");
    case 0x1D: return QStringLiteral("#NAME?");
    case 0x24: return QStringLiteral("#NUM!");
    default: return QStringLiteral("#N/A");
    }
}

QString booleanText(bool value) { return value ? QStringLiteral("PRAWDA") : QStringLiteral("FAŁSZ"); }

// A 30-bit RK value: an integer or the high bits of a double, optionally divided by 100.
double rkValue(std::uint32_t rk)
{
    double value;
    if (rk & 0x02) {
        value = double(std::int32_t(rk) >> 2);
    } else {
        const std::uint64_t bits = std::uint64_t(rk & 0xFFFFFFFCu) << 32;
        std::memcpy(&value, &bits, sizeof value);
    }
    if (rk & 0x01)
        value /= 100.0;
    return value;
}

struct BoundSheet {
    std::uint32_t offset;
    std::uint8_t type;  // 0 worksheet (or dialog), 1 macro sheet, 2 chart, 6 VBA module
};

struct Globals {
    BiffError error = BiffError::None;
    std::vector<BoundSheet> sheets;
    std::optional<ContinuedReader> sharedStrings;  // where the shared string table is, if anywhere
};

BiffError checkFirstRecord(const Record& r)
{
    if (r.id == record::beginOfFileBiff2 || r.id == record::beginOfFileBiff3
        || r.id == record::beginOfFileBiff4)
        return BiffError::OldVersion;
    if (r.id != record::beginOfFile || r.size < 4)
        return BiffError::Damaged;
    if (u16At(r.data) != biff8Version)
        return BiffError::OldVersion;
    return BiffError::None;
}

Globals readGlobals(const QByteArray& stream)
{
    Globals g;
    RecordCursor cursor(stream, 0);
    Record r;
    if (cursor.next(r) != RecordCursor::Step::Record)
        return {BiffError::Damaged, {}, {}};
    if (const BiffError e = checkFirstRecord(r); e != BiffError::None)
        return {e, {}, {}};

    for (;;) {
        if (cursor.next(r) != RecordCursor::Step::Record)
            return {BiffError::Damaged, {}, {}};
        switch (r.id) {
        case record::endOfFile:
            return g;
        case record::filePass:
            return {BiffError::Encrypted, {}, {}};
        case record::boundSheet:
            if (r.size < 6)
                return {BiffError::Damaged, {}, {}};
            g.sheets.push_back({u32At(r.data), std::uint8_t(r.data[5])});
            break;
        case record::sharedStrings:
            // Only its place is noted: the strings are read once the sheet says which it needs.
            g.sharedStrings = cursor.continued(r);
            break;
        default:
            break;
        }
    }
}

// Reads a worksheet's cell records up to its EOF, skipping substreams embedded in it (charts).
BiffError readSheet(const QByteArray& stream, std::uint32_t offset, WorkbookGrid& grid)
{
    RecordCursor cursor(stream, qsizetype(offset));
    int depth = 0;
    int pendingRow = -1, pendingCol = -1;  // a FORMULA whose text result comes in the next STRING
    Record r;
    for (;;) {
        if (cursor.next(r) != RecordCursor::Step::Record)
            return BiffError::Damaged;
        const char* d = r.data;
        if (r.id == record::beginOfFile) {
            ++depth;
            continue;
        }
        if (r.id == record::endOfFile) {
            if (--depth <= 0)
                return BiffError::None;
            continue;
        }
        if (depth != 1)
            continue;

        // Records count rows and columns from 0, the grid from 1.
        const int row = r.size >= 4 ? u16At(d) + 1 : 1;
        const int col = r.size >= 4 ? u16At(d + 2) + 1 : 1;
        switch (r.id) {
        case record::number:
            if (r.size < 14)
                return BiffError::Damaged;
            grid.setNumber(row, col, doubleAt(d + 6));
            break;
        case record::rk:
            if (r.size < 10)
                return BiffError::Damaged;
            grid.setNumber(row, col, rkValue(u32At(d + 6)));
            break;
        case record::mulRk: {
            if (r.size < 6)
                return BiffError::Damaged;
            // row, first column, then (xf, rk) pairs, then the last column.
            const int count = (r.size - 6) / 6;
            for (int i = 0; i < count; ++i)
                grid.setNumber(row, col + i, rkValue(u32At(d + 4 + 6 * i + 2)));
            break;
        }
        case record::labelSst:
            if (r.size < 10)
                return BiffError::Damaged;
            grid.setSharedString(row, col, u32At(d + 6));
            break;
        case record::label:
        case record::richString: {
            if (r.size < 6)
                return BiffError::Damaged;
            ContinuedReader reader = cursor.continued(r, 6);
            std::optional<QString> text = reader.plainString();
            if (!text)
                return BiffError::Damaged;
            grid.setText(row, col, std::move(*text));
            break;
        }
        case record::boolErr:
            if (r.size < 8)
                return BiffError::Damaged;
            grid.setText(row, col, d[7] ? errorText(std::uint8_t(d[6])) : booleanText(d[6] != 0));
            break;
        case record::formula: {
            if (r.size < 14)
                return BiffError::Damaged;
            pendingRow = pendingCol = -1;
            const char* result = d + 6;
            if (u16At(result + 6) != 0xFFFF) {
                grid.setNumber(row, col, doubleAt(result));
                break;
            }
            switch (std::uint8_t(result[0])) {
            case 0: pendingRow = row, pendingCol = col; break;
            case 1: grid.setText(row, col, booleanText(result[2] != 0)); break;
            case 2: grid.setText(row, col, errorText(std::uint8_t(result[2]))); break;
            default: break;  // an empty text: an empty cell
            }
            break;
        }
        case record::formulaString: {
            ContinuedReader reader = cursor.continued(r);
            std::optional<QString> text = reader.plainString();
            if (!text)
                return BiffError::Damaged;
            if (pendingRow >= 0)
                grid.setText(pendingRow, pendingCol, std::move(*text));
            pendingRow = pendingCol = -1;
            break;
        }
        default:
            break;
        }
    }
}

// Reads the shared strings the sheet's cells show; a cell naming a string the table does not hold
// makes the workbook damaged.
BiffError fillSharedStrings(Globals& globals, WorkbookGrid& grid)
{
    const std::vector<std::uint32_t> wanted = grid.sharedStringsWanted();
    if (wanted.empty())
        return BiffError::None;
    if (!globals.sharedStrings)
        return BiffError::Damaged;
    const std::vector<QString> strings = readSharedStrings(*globals.sharedStrings, wanted);
    if (strings.size() != wanted.size())
        return BiffError::Damaged;
    grid.fillSharedStrings(wanted, strings);
    return BiffError::None;
}

} // namespace

BiffReadResult readWorkbookStream(const QByteArray& stream)
{
    Globals globals = readGlobals(stream);
    if (globals.error != BiffError::None)
        return {globals.error, {}, false};

    // The first worksheet in sheet order; chart and macro sheets are passed over.
    for (const BoundSheet& sheet : globals.sheets) {
        if (sheet.type != 0)
            continue;
        RecordCursor cursor(stream, qsizetype(sheet.offset));
        Record bof;
        if (cursor.next(bof) != RecordCursor::Step::Record || bof.id != record::beginOfFile
            || bof.size < 4)
            return {BiffError::Damaged, {}, false};
        if (u16At(bof.data + 2) != worksheetSubstream)
            continue;
        WorkbookGrid grid;
        BiffError e = readSheet(stream, sheet.offset, grid);
        if (e == BiffError::None)
            e = fillSharedStrings(globals, grid);
        if (e != BiffError::None)
            return {e, {}, false};
        return {BiffError::None, grid.take(), grid.outsideSheet()};
    }
    return {BiffError::NoWorksheet, {}, false};
}

} // namespace tallox::xls
