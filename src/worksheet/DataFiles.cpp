#include "worksheet/DataFiles.h"

#include "common/Dialogs.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "stats/NumberText.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/SheetUndo.h"
#include "worksheet/TF1Book.h"
#include "worksheet/formats/SheetFile.h"

#include <QDir>
#include <QFileInfo>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <iterator>

using namespace tallox;

namespace {
const QString kLoadWarningCaption = QStringLiteral("Ostrzeżenie ładowania zbioru danych!");

// The save dialog's entries: the extension written and the worksheet's file type.
struct SaveType {
    const char* extension;
    SheetFileType type;
};
constexpr SaveType kSaveTypes[] = {
    {".tlx", SheetFileType::Tlx},  {".dat", SheetFileType::Tsv}, {".xls", SheetFileType::Xls},
    {".xlsx", SheetFileType::Xlsx}, {".ods", SheetFileType::Ods}, {".csv", SheetFileType::Csv}};
constexpr int kSaveTypeCount = int(std::size(kSaveTypes));

// The open dialog's entries read as plain text (numbers found among any characters); the others
// read the file as the format it is.
bool isPlainTextEntry(int entry) { return entry == 4 || entry == 5; }

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
            QStringLiteral("Dowolny Zbiór (*.*)"), QStringLiteral("Arkusz Excel (*.xlsx)"),
            QStringLiteral("Arkusz OpenDocument (*.ods)"), QStringLiteral("Tekst CSV (*.csv)")};
}

QStringList DataFiles::saveFilters()
{
    return {QStringLiteral("Format Tallox (*.tlx)"), QStringLiteral("Format Danych ASCII (*.txt)"),
            QStringLiteral("Format Danych Excela (*.xls)"), QStringLiteral("Arkusz Excel (*.xlsx)"),
            QStringLiteral("Arkusz OpenDocument (*.ods)"), QStringLiteral("Tekst CSV (*.csv)")};
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
    // The plain-text entries read numbers found among any characters; the others read the file
    // as the format it shows itself to be.
    if (answer.accepted && !loadDataFile(answer.path, !isPlainTextEntry(answer.filterEntry)))
        return;
    if (hooks_.resetFigureCount)
        hooks_.resetFigureCount();
}

bool DataFiles::loadFromCommandLine(const QString& path)
{
    if (!loadDataFile(path, true))
        return false;
    if (hooks_.resetFigureCount)
        hooks_.resetFigureCount();
    return true;
}

bool DataFiles::loadDataFile(const QString& path, bool detectFormat)
{
    // The file is read first: what cannot be read leaves the sheet as it was.
    QStringList warnings;
    if (detectFormat) {
        SheetFileType fileType = SheetFileType::Tlx;
        const bool ok = sheet_.ReadFile(path, fileType);
        if (!ok) {
            reportReadFailure(path, sheet_.lastFileError());
            return false;
        }
        warnings = sheet_.lastReadWarnings();
    } else {
        const SheetLoadResult read = readTextDataFile(path);
        if (!read.ok) {
            reportReadFailure(path, read.error);
            return false;
        }
        warnings = loadWarnings(read);
        sheet_.replaceCells(read.sheet);
        sheet_.undoStack()->setClean();
    }
    status_.setPanelText(0, QDir::toNativeSeparators(path));
    sheet_.setShowTabs(0);
    sheet_.setAllowEditHeaders(false);
    Kolorowanie_Kolumn(sheet_);
    for (const QString& warning : warnings)
        warn(kLoadWarningCaption, warning);
    warnAboutDots();
    return true;
}

void DataFiles::Ogolna_procedure_Ladowania_Danych_zPopupu(const QString& path)
{
    SheetFileType fileType = SheetFileType::Tlx;
    if (!sheet_.ReadFile(path, fileType)) {
        reportReadFailure(path, sheet_.lastFileError());
        return;
    }
    for (const QString& warning : sheet_.lastReadWarnings())
        warn(kLoadWarningCaption, warning);
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
    const QString chosen = QDir::fromNativeSeparators(answer.path);
    QString path = chosen;
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.indexOf(u'.', nameStart);
    if (dot >= 0)
        path.truncate(dot);
    const SaveType& type = kSaveTypes[std::clamp(answer.filterEntry, 1, kSaveTypeCount) - 1];
    path += QLatin1String(type.extension);
    // The dialog asked about the name the user chose, not about the one written instead.
    if (path != chosen && QFileInfo::exists(path)) {
        const QString name = path.mid(nameStart);
        const MessageAnswer replace =
            showMessage({MessageIcon::Question, kConfirmCaption,
                         QStringLiteral("Plik ") + name + QStringLiteral(" już istnieje. Zastąpić go?"),
                         MessageButtons::YesNo});
        if (replace != MessageAnswer::Yes)
            return;
    }
    if (!sheet_.WriteFile(path, type.type)) {
        warn(QStringLiteral("Błąd zapisu zbioru danych!"),
             QStringLiteral("Nie można zapisać pliku: ") + QDir::toNativeSeparators(path) + u'\n'
                 + sheet_.lastFileError());
        return;
    }
    status_.setPanelText(0, QDir::toNativeSeparators(path));
    if (const QString cell = sheet_.lastWriteTruncatedCell(); !cell.isEmpty())
        warn(kLoadWarningCaption, QStringLiteral("Tekst w komórce ") + cell
                                      + QStringLiteral(" jest za długi dla tego formatu i został skrócony."));
}

void DataFiles::ZamianaKropek_naPrzecinki()
{
    const SheetChange change(sheet_, stepNames::dotsToCommas);
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
