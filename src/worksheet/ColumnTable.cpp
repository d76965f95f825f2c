#include "worksheet/ColumnTable.h"

#include "common/Messages.h"
#include "worksheet/TF1Book.h"

#include <QChar>
#include <stdexcept>

using namespace tallox;

ColumnRecord& ColumnTable::operator[](int column)
{
    if (column < 1 || column > sheetColumns)
        throw std::out_of_range("column number outside 1..26");
    return records_[std::size_t(column - 1)];
}

const ColumnRecord& ColumnTable::operator[](int column) const
{
    return const_cast<ColumnTable&>(*this)[column];
}

ColumnCount ColumnTable::GetLiczbaDanych(const TF1Book& book, int column)
{
    ColumnRecord& record = (*this)[column];
    int count = 0, last = 0;
    bool textFound = false, dotFound = false;
    for (int row = 1; row <= sheetRows; ++row) {
        switch (book.CellType(row, column)) {
        case TF1Book::NumberCell:
            ++count;
            last = row;
            break;
        case TF1Book::TextCell:
            textFound = true;
            dotFound = dotFound || book.CellText(row, column).contains(QLatin1Char('.'));
            break;
        default:
            break;
        }
    }
    ColumnCount result;
    result.count = count;
    if (textFound) {
        result.notices.push_back({MessageIcon::Warning, kWarningCaption,
                                  QStringLiteral("Uwaga któraś dana z kolumny nie jest liczbą ! "
                                                 "Wyznaczony wynik może być nieprawidłowy !"),
                                  MessageButtons::Ok});
        if (dotFound)
            result.notices.push_back({MessageIcon::Information, kInformationCaption,
                                      QStringLiteral("Prawdopodobnie jedna danych z analizowanej "
                                                     "kolumy zamiast przecinka posiada kropkę !"),
                                      MessageButtons::Ok});
    }
    record.NumericCount = std::uint8_t(count);
    record.LastNumericRow = last;
    return result;
}

void Kolorowanie_Kolumn(TF1Book& book)
{
    for (int col = 1; col <= dataColumns; ++col)
        book.setColumnHeading(col, tallox::columnLetters(col));
    book.setMaxCol(sheetColumns);
    book.setMaxRow(sheetRows);
    book.setColumnHeading(tallox::transXColumn, QStringLiteral("Trans X"));
    book.setColumnHeading(tallox::transYColumn, QStringLiteral("Trans Y"));
    book.setColumnHeading(tallox::transUncertaintyXColumn, QStringLiteral("Trans niep X"));
    book.setColumnHeading(tallox::transUncertaintyYColumn, QStringLiteral("Trans niep Y"));
    book.SetColumnWidth(tallox::transXColumn, tallox::sheetColumns, 4000, false);

    book.setSelStartRow(1);
    book.setSelStartCol(tallox::transXColumn);
    book.setSelEndCol(tallox::transYColumn);
    book.setSelEndRow(book.MaxRow());
    book.SetFillPattern(1, 0x8888FF, 1);  // light red: transformed values

    book.setSelStartRow(1);
    book.setSelStartCol(tallox::transUncertaintyXColumn);
    book.setSelEndCol(book.MaxCol());
    book.setSelEndRow(book.MaxRow());
    book.SetFillPattern(1, 0xFBBE59, 1);  // light blue: transformed uncertainties

    book.setSelStartRow(1);
    book.setSelStartCol(1);
    book.setSelEndCol(1);
    book.setSelEndRow(1);
    book.SetActiveCell(1, 1);
    book.setShowHScrollBar(1);
}
