// Undo and redo of the worksheet's cells: every write path is one step that puts the cells back
// exactly, the stack keeps the last steps only, and a new change drops what could be redone.
#include "worksheet/ColumnTable.h"
#include "worksheet/SheetUndo.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetCells.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QUndoStack>
#include <QTableView>
#include <QTest>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

using namespace tallox;

namespace {

// Every cell as kind, the number's bits and the text.
struct CellState {
    int kind;
    quint64 bits;
    QString text;
    bool operator==(const CellState&) const = default;
};
std::vector<CellState> snapshot(const TF1Book& sheet)
{
    std::vector<CellState> out;
    for (int r = 1; r <= sheet.MaxRow(); ++r)
        for (int c = 1; c <= sheet.MaxCol(); ++c) {
            const double n = sheet.CellNumber(r, c);
            quint64 bits = 0;
            std::memcpy(&bits, &n, sizeof bits);
            out.push_back({sheet.CellType(r, c), bits,
                           sheet.CellType(r, c) == TF1Book::TextCell ? sheet.CellText(r, c) : QString()});
        }
    return out;
}

class SheetUndoTest : public ::testing::Test {
public:
    void SetUp() override
    {
        oldLocale_ = QLocale();
        QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
        Kolorowanie_Kolumn(sheet);
        // Numbers whose bits a rounding would change, texts, a -0.
        SheetCells cells;
        for (int r = 1; r <= 30; ++r) {
            cells.cells.push_back({r, 1, SheetCell::Kind::Number, 0.1 * r + 1e-17 * r, {}});
            cells.cells.push_back({r, 2, SheetCell::Kind::Number, r % 3 ? std::ldexp(1.0, -1070 + r) : -0.0, {}});
            cells.cells.push_back({r, 3, SheetCell::Kind::Text, 0.0, QStringLiteral("t%1 ą").arg(r)});
        }
        sheet.replaceCells(cells);
        sheet.undoStack()->clear();
    }
    void TearDown() override { QLocale::setDefault(oldLocale_); }
    void select(int r1, int c1, int r2, int c2)
    {
        sheet.setSelStartRow(r1);
        sheet.setSelStartCol(c1);
        sheet.setSelEndRow(r2);
        sheet.setSelEndCol(c2);
    }
    TF1Book sheet;
    QLocale oldLocale_;
};

TEST_F(SheetUndoTest, EveryWritePathIsOneStepThatUndoAndRedoPutBackExactly)
{
    struct Case {
        const char* what;
        QString name;
        std::function<void(SheetUndoTest&)> run;
    };
    const std::vector<Case> cases = {
        {"typing a number", stepNames::typing, [](SheetUndoTest& t) { t.sheet.enterText(2, 1, QStringLiteral("3,25")); }},
        {"typing a text", stepNames::typing, [](SheetUndoTest& t) { t.sheet.enterText(2, 2, QStringLiteral("abc")); }},
        {"typing nothing empties", stepNames::typing, [](SheetUndoTest& t) { t.sheet.enterText(2, 3, QString()); }},
        {"typing in the grid", stepNames::typing, [](SheetUndoTest& t) {
             QAbstractItemModel* model = t.sheet.view()->model();
             model->setData(model->index(3, 0), QStringLiteral("-0"), Qt::EditRole);
         }},
        {"the Delete key", stepNames::clear, [](SheetUndoTest& t) {
             t.select(1, 1, 6, 3);
             QTest::keyClick(t.sheet.view(), Qt::Key_Delete);
         }},
        {"a number outside any command", stepNames::typing, [](SheetUndoTest& t) { t.sheet.setCellNumber(5, 5, 1e308 * 10); }},
        {"paste", stepNames::paste, [](SheetUndoTest& t) { t.sheet.pasteText(1, 2, QStringLiteral("1,5\tx\n\t2e-300\n-0")); }},
        {"clipboard paste", stepNames::paste, [](SheetUndoTest& t) {
             QApplication::clipboard()->setText(QStringLiteral("7\t8\n9\t10"));
             t.select(29, 25, 29, 25);
             t.sheet.PasteClipboard();  // partly off the sheet
         }},
        {"cut", stepNames::cut, [](SheetUndoTest& t) { t.select(3, 1, 10, 3); t.sheet.CutSelection(); }},
        {"delete", stepNames::clear, [](SheetUndoTest& t) { t.sheet.ClearRange(1, 1, 200, 26, TF1Book::ClearKind::Values); }},
        {"load", stepNames::load, [](SheetUndoTest& t) {
             SheetCells other;
             other.cells.push_back({1, 1, SheetCell::Kind::Number, 0.1 * 1 + 1e-17, {}});  // the same
             other.cells.push_back({200, 26, SheetCell::Kind::Text, 0.0, QStringLiteral("z")});
             t.sheet.replaceCells(other);
         }},
        {"a command of several writes", stepNames::dotsToCommas, [](SheetUndoTest& t) {
             const SheetChange change(t.sheet, stepNames::dotsToCommas);
             for (int r = 1; r <= 30; ++r)
                 t.sheet.setCellNumber(r, 3, r);
             t.sheet.ClearRange(1, 1, 4, 1, TF1Book::ClearKind::Values);
             t.sheet.setCellText(1, 1, QStringLiteral("again"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto before = snapshot(sheet);
        const int steps = sheet.undoStack()->index();
        c.run(*this);
        const auto after = snapshot(sheet);
        ASSERT_NE(after, before);
        ASSERT_EQ(sheet.undoStack()->index(), steps + 1);  // one step, and no redo left
        ASSERT_EQ(sheet.undoStack()->count(), steps + 1);
        EXPECT_EQ(sheet.undoStack()->undoText(), c.name);
        sheet.undoStack()->undo();
        EXPECT_TRUE(snapshot(sheet) == before);
        sheet.undoStack()->redo();
        EXPECT_TRUE(snapshot(sheet) == after);
        sheet.undoStack()->undo();
        EXPECT_TRUE(snapshot(sheet) == before);
    }
}

TEST_F(SheetUndoTest, TheLastHundredStepsAreKeptAndANewChangeDropsTheRedo)
{
    const auto start = snapshot(sheet);
    // A write that changes nothing is no step.
    sheet.setCellNumber(1, 1, sheet.CellNumber(1, 1));
    EXPECT_EQ(sheet.undoStack()->count(), 0);

    for (int i = 1; i <= 120; ++i)
        sheet.setCellNumber(100, 1, i);
    EXPECT_EQ(sheet.undoStack()->count(), undoLimit);
    while (sheet.undoStack()->canUndo())
        sheet.undoStack()->undo();
    EXPECT_EQ(sheet.CellNumber(100, 1), 20.0);  // the 20 oldest steps are forgotten

    sheet.setCellNumber(100, 1, 20.0);  // the value the cell holds: no change, the redo stays
    sheet.undoStack()->redo();
    EXPECT_EQ(sheet.CellNumber(100, 1), 21.0);
    sheet.undoStack()->undo();
    sheet.enterText(100, 2, QStringLiteral("nowe"));
    EXPECT_FALSE(sheet.undoStack()->canRedo());
    sheet.undoStack()->undo();
    EXPECT_EQ(sheet.CellNumber(100, 1), 20.0);
    EXPECT_EQ(sheet.CellType(100, 2), TF1Book::Empty);
    EXPECT_NE(snapshot(sheet), start);
}

TEST_F(SheetUndoTest, AStepHoldsOnlyTheCellsItChangedAndTheStackIsCleanAtTheFileLastReadOrWritten)
{
    EXPECT_TRUE(sheet.undoStack()->isClean());
    sheet.enterText(1, 4, QStringLiteral("1"));
    EXPECT_FALSE(sheet.undoStack()->isClean());
    // Undo of a one-cell step touches that cell only, even after other cells changed.
    sheet.setCellNumber(2, 4, 2.0);
    sheet.undoStack()->undo();
    EXPECT_EQ(sheet.CellNumber(1, 4), 1.0);
    EXPECT_EQ(sheet.CellType(2, 4), TF1Book::Empty);
    sheet.undoStack()->undo();
    EXPECT_TRUE(sheet.undoStack()->isClean());
}

} // namespace
