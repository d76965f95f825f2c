#pragma once
// The worksheet grid: one sheet of cells, each empty, a number or a text, with column headings,
// column widths, fill colours, a selection and an active cell. Rows and columns are 1-based.
#include <QString>
#include <QStringList>
#include <QWidget>
#include <cstdint>
#include <vector>

class QTableView;
class QLocale;
class QUndoStack;

namespace tallox {
class SheetModel;
class SheetView;
struct SheetCells;
enum class SheetFileType : int;
class SheetChange;
class SheetStep;
}

class TF1Book : public QWidget {
    Q_OBJECT
public:
    enum CellKind { Empty = 0, NumberCell = 1, TextCell = 2 };
    // What ClearRange removes: the values only (the Delete key, cutting), or the values and the
    // fills (emptying the sheet before the layout is applied again).
    enum class ClearKind { Values = 0, All = 1 };

    explicit TF1Book(QWidget* parent = nullptr);
    ~TF1Book() override;

    // Sheet size.
    int MaxRow() const { return maxRow_; }
    int MaxCol() const { return maxCol_; }
    void setMaxRow(int rows);
    void setMaxCol(int cols);

    // Selection: a rectangular block; writing a bound selects the block it now describes.
    int SelStartRow() const { return sel_.r1; }
    int SelStartCol() const { return sel_.c1; }
    int SelEndRow() const { return sel_.r2; }
    int SelEndCol() const { return sel_.c2; }
    void setSelStartRow(int row);
    void setSelStartCol(int col);
    void setSelEndRow(int row);
    void setSelEndCol(int col);

    // Active cell and its value (0 for an empty or text cell).
    void SetActiveCell(int row, int col);
    int ActiveRow() const { return activeRow_; }
    int ActiveCol() const { return activeCol_; }
    double Number() const;

    // Display options.
    int ShowTabs() const { return showTabs_; }
    void setShowTabs(int show) { showTabs_ = show; }
    int ShowHScrollBar() const { return showHScrollBar_; }
    void setShowHScrollBar(int show);
    bool AllowEditHeaders() const { return allowEditHeaders_; }
    void setAllowEditHeaders(bool allow) { allowEditHeaders_ = allow; }

    // Cells. Out-of-sheet reads give an empty cell; out-of-sheet writes are ignored.
    int CellType(int row, int col) const;
    double CellNumber(int row, int col) const;
    // A value that is not finite (no cell can show or save it) is stored as the text "#NUM!".
    void setCellNumber(int row, int col, double value);
    QString CellText(int row, int col) const;  // as shown; empty for an empty cell
    // Stores a text as it is (never read as a number); an empty text empties the cell.
    void setCellText(int row, int col, const QString& text);
    // Stores what a user typed: a text the worksheet's locale reads wholly as a number becomes a
    // number, an empty text empties the cell, anything else is a text.
    void enterText(int row, int col, const QString& typed);

    QString ColumnHeading(int col) const;
    void setColumnHeading(int col, const QString& heading);

    // Every cell of the block becomes empty; ClearKind::All also removes the fills.
    void ClearRange(int row1, int col1, int row2, int col2, ClearKind kind);

    // Widths in 1/256 of a character's width.
    void SetColumnWidth(int col1, int col2, int width, bool isDefault);
    int ColumnWidth(int col) const;

    // pattern 0: no fill; any other pattern: solid fill in the fore colour (0x00BBGGRR).
    void SetFillPattern(int pattern, std::uint32_t foreColor, std::uint32_t backColor);
    // The fill of a cell as 0x00BBGGRR, or -1 when it has none.
    std::int64_t CellFill(int row, int col) const;

    // Files: the type the file was read as goes to fileType. Reading replaces the sheet's
    // contents only when the whole file was read; a failure leaves the sheet as it was. Writing
    // never leaves a half-written file behind.
    bool ReadFile(const QString& path, tallox::SheetFileType& fileType);
    bool WriteFile(const QString& path, tallox::SheetFileType fileType);
    // Why the last ReadFile or WriteFile failed (a Polish sentence); the warnings of the last
    // successful read (data left out, bytes repaired); the first cell whose text the last write
    // had to cut ("A1"), empty when none.
    QString lastFileError() const { return lastFileError_; }
    QStringList lastReadWarnings() const { return lastReadWarnings_; }
    QString lastWriteTruncatedCell() const { return lastWriteTruncatedCell_; }

    // Every value of the sheet replaced by the given cells (fills and headings stay).
    void replaceCells(const tallox::SheetCells& cells);
    // The sheet's non-empty cells.
    tallox::SheetCells sheetCells() const;

    // Clipboard: the selected block as tab-separated text, as spreadsheet programs exchange it.
    void CopySelection();
    void CutSelection();
    void PasteClipboard();

    // The block as tab-separated lines (numbers exact in the worksheet's locale), and its reverse:
    // puts such text at (row, col), clipped to the sheet. Used by the clipboard commands.
    QString selectionAsText() const;
    void pasteText(int row, int col, const QString& text);

    QTableView* view() const;

    // The steps of the cells' changes (see worksheet/SheetUndo.h). Clean while the cells equal
    // the last file read or written.
    QUndoStack* undoStack() const { return undo_; }

signals:
    // A cell's value changed (typed, pasted, cleared, loaded).
    void contentsChanged();
    // A typed or pasted text was kept as a text though it is a number written with the other
    // decimal separator (the first such cell of a paste).
    void numberKeptAsText(int row, int col, const QString& text);
    // An undo or redo put back the cells of this block.
    void stepApplied(int row1, int col1, int row2, int col2);

private:
    struct Cell {
        std::uint8_t kind = Empty;
        double number = 0.0;
        QString text;
    };
    struct Block {
        int r1 = 1, c1 = 1, r2 = 1, c2 = 1;
    };
    // A cell of an undo step and the cells noted by the open change.
    struct ChangedCell {
        std::uint16_t row = 0, col = 0;
        Cell cell;
    };
    struct OpenChange {
        int depth = 0;
        QString name;
        std::vector<ChangedCell> before;  // each cell as it was before its first change
        std::vector<std::uint8_t> seen;   // per cell: noted already
    };
    friend class tallox::SheetModel;
    friend class tallox::SheetChange;
    friend class tallox::SheetStep;

    // SheetUndo.cpp: every write notes the cells it is about to change.
    void openChange(const QString& name);
    void closeChange();
    void recordCell(int row, int col);
    void recordBlock(int row1, int col1, int row2, int col2);
    void reindexChange();
    static bool sameCell(const Cell& a, const Cell& b);

    bool inSheet(int row, int col) const;
    Cell& cell(int row, int col) { return cells_[std::size_t(row - 1) * maxCol_ + (col - 1)]; }
    const Cell& cell(int row, int col) const
    {
        return cells_[std::size_t(row - 1) * maxCol_ + (col - 1)];
    }
    void resizeSheet(int rows, int cols);
    void applySelection();
    void takeSelectionFromView();
    void cellsChanged(int row1, int col1, int row2, int col2);
    QString numberText(double value) const;

    int maxRow_ = 0, maxCol_ = 0;
    std::vector<Cell> cells_;
    std::vector<std::int64_t> fills_;  // per cell, -1 = none
    std::vector<QString> headings_;    // per column; empty = the column's letter
    std::vector<int> widths_;          // per column, in 1/256 character
    int defaultWidth_ = 2304;
    Block sel_;
    int activeRow_ = 1, activeCol_ = 1;
    int showTabs_ = 1, showHScrollBar_ = 1;
    bool allowEditHeaders_ = true;
    bool syncingSelection_ = false;
    QString lastFileError_;
    QStringList lastReadWarnings_;
    QString lastWriteTruncatedCell_;
    tallox::SheetModel* model_ = nullptr;
    tallox::SheetView* view_ = nullptr;
    QUndoStack* undo_ = nullptr;
    OpenChange change_;
};
