#include "worksheet/DataFiles.h"

#include "common/Dialogs.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "stats/NumberText.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"
#include "worksheet/formats/SheetFile.h"

#include <QDir>
#include <cmath>

using namespace tallox;

namespace {
const QString kLoadWarningCaption = QStringLiteral("Ostrzeżenie ładowania zbioru danych!");

// The save dialog's entries: the extension written and the worksheet's type code.
struct SaveType {
    const char* extension;
    int typeCode;
};
constexpr SaveType kSaveTypes[] = {{".tlx", tlxFileType}, {".dat", tsvFileType}, {".xls", xlsFileType}};

void warn(const QString& caption, const QString& text)
{
    showMessage({MessageIcon::Warning, caption, text, MessageButtons::Ok});
}
} // namespace

DataFiles::DataFiles(TF1Book& sheet, PanelStatusBar& status, const QString& usersHomeFolder,
                     Hooks hooks, QObject* parent)
    : QObject(parent), sheet_(sheet), status_(status), usersHomeFolder_(usersHomeFolder),
      hooks_(std::move(hooks))
{
}

QStringList DataFiles::openFilters()
{
    return {QStringLiteral("Format Tallox (*.tlx)"), QStringLiteral("Format Danych (tab) (*.dat)"),
            QStringLiteral("Format Excela (*.xls)"), QStringLiteral("Format Danych ASCII (*.txt)"),
            QStringLiteral("Dowolny Zbiór (*.*)")};
}

QStringList DataFiles::saveFilters()
{
    return {QStringLiteral("Format Tallox (*.tlx)"), QStringLiteral("Format Danych ASCII (*.txt)"),
            QStringLiteral("Format Danych Excela (*.xls)")};
}

QString DataFiles::currentUser() const { return status_.panelText(1); }

void DataFiles::reportReadFailure(const QString& path, const QString& reason) const
{
    warn(QStringLiteral("Błąd ładowania zbioru danych!"),
         QStringLiteral("Nie można odczytać pliku: ") + QDir::toNativeSeparators(path) + u'\n'
             + reason);
}

void DataFiles::warnAboutDots() const
{
    for (int row = 1; row <= sheetRows; ++row)
        for (int col = 1; col <= sheetColumns; ++col)
            if (sheet_.CellType(row, col) == TF1Book::TextCell
                && sheet_.CellText(row, col).contains(u'.')) {
                warn(kLoadWarningCaption,
                     QStringLiteral("W ładowanych danych wykryto kropki - pomyśl ewentualnie o "
                                    "ich zamianie na przecinki !"));
                return;
            }
}

void DataFiles::Ladowanie_Danych()
{
    FileDialogRequest request;
    request.name = QStringLiteral("Open_Zbior");
    request.title = QStringLiteral("Otwórz Dane");
    request.filters = openFilters();
    request.initialFolder = usersHomeFolder_ + u'/' + currentUser();
    request.defaultExtension = QStringLiteral("tlx");
    const FileDialogAnswer answer = runFileDialog(request);
    if (answer.accepted) {
        // The file is read first: what cannot be read leaves the sheet as it was.
        bool ok = false;
        bool truncated = false;
        if (answer.filterEntry <= 3) {
            int fileType = 0;
            ok = sheet_.ReadFile(answer.path, fileType);
            truncated = sheet_.lastReadTruncated();
            if (!ok)
                reportReadFailure(answer.path, sheet_.lastFileError());
        } else {
            const SheetLoadResult read = readTextDataFile(answer.path);
            ok = read.ok;
            truncated = read.truncated;
            if (ok)
                sheet_.replaceCells(read.sheet);
            else
                reportReadFailure(answer.path, read.error);
        }
        if (!ok)
            return;
        status_.setPanelText(0, QDir::toNativeSeparators(answer.path));
        sheet_.setShowTabs(0);
        sheet_.setAllowEditHeaders(false);
        Kolorowanie_Kolumn(sheet_);
        if (truncated)
            warn(kLoadWarningCaption, outsideSheetWarning());
        warnAboutDots();
    }
    if (hooks_.resetFigureCount)
        hooks_.resetFigureCount();
}

void DataFiles::Ogolna_procedure_Ladowania_Danych_zPopupu(const QString& path)
{
    int fileType = 0;
    if (!sheet_.ReadFile(path, fileType)) {
        reportReadFailure(path, sheet_.lastFileError());
        return;
    }
    if (sheet_.lastReadTruncated())
        warn(kLoadWarningCaption, outsideSheetWarning());
    status_.setPanelText(0, QDir::toNativeSeparators(path));
    recordInDataList(path);
    if (hooks_.refillDataList)
        hooks_.refillDataList();
}

void DataFiles::recordInDataList(const QString& path)
{
    const QString user = currentUser();
    if (user.isEmpty())
        warn(QStringLiteral("Ostrzeżenie ładowania zbioru danych !"),
             QStringLiteral("Brak nazwy użytkownika, dane będą jednak dostępne standardowo w "
                            "macierzystym katalogu"));
    const QString listFile =
        usersHomeFolder_ + u'/' + user + u'/' + user + QStringLiteral("_data.ini");
    QStringList lines = readTextLines(listFile).mid(0, 100);
    lines.removeAll(path);
    lines.prepend(path);
    writeTextLines(listFile, lines);
}

void DataFiles::Zachowaj_Dane()
{
    FileDialogRequest request;
    request.name = QStringLiteral("Save_Data");
    request.title = QStringLiteral("Zachowaj Dane");
    request.filters = saveFilters();
    request.fileName = status_.panelText(0);
    request.initialFolder = usersHomeFolder_ + u'/' + currentUser();
    request.defaultExtension = QStringLiteral("tlx");
    request.save = true;
    const FileDialogAnswer answer = runFileDialog(request);
    if (!answer.accepted)
        return;

    // The chosen type decides the extension: whatever follows the first dot of the file name
    // is replaced by it; folders keep their dots.
    QString path = QDir::fromNativeSeparators(answer.path);
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.indexOf(u'.', nameStart);
    if (dot >= 0)
        path.truncate(dot);
    const SaveType& type = kSaveTypes[std::clamp(answer.filterEntry, 1, 3) - 1];
    path += QLatin1String(type.extension);
    if (!sheet_.WriteFile(path, type.typeCode)) {
        warn(QStringLiteral("Błąd zapisu zbioru danych!"),
             QStringLiteral("Nie można zapisać pliku: ") + QDir::toNativeSeparators(path) + u'\n'
                 + sheet_.lastFileError());
        return;
    }
    status_.setPanelText(0, QDir::toNativeSeparators(path));
}

void DataFiles::ZamianaKropek_naPrzecinki()
{
    for (int row = 1; row <= sheetRows; ++row)
        for (int col = 1; col <= sheetColumns; ++col) {
            const QString text = sheet_.CellText(row, col);
            if (text.isEmpty() || sheet_.CellNumber(row, col) != 0.0)
                continue;
            if (sheet_.CellType(row, col) == TF1Book::NumberCell)
                continue;  // a number holding 0 is already what it should be
            const stats::NumberConversion number = stats::convertNumber(text.toStdString());
            if (number.ok() && std::isfinite(double(number.value)))
                sheet_.setCellNumber(row, col, double(number.value));
        }
}
