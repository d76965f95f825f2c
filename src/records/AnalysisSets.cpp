#include "records/AnalysisSets.h"

#include "common/Dialogs.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"
#include "worksheet/formats/SheetFile.h"

#include <QDir>
#include <QFileInfo>

using namespace tallox;

namespace {
constexpr int kDotRows = 200, kDotColumns = 26;
const QString kLoadWarningCaption = QStringLiteral("Ostrzeżenie ładowania zbioru danych!");

void warn(const QString& caption, const QString& text)
{
    showMessage({MessageIcon::Warning, caption, text, MessageButtons::Ok});
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }
} // namespace

AnalysisSets::AnalysisSets(TF1Book& sheet, PanelStatusBar& status, const QString& usersHomeFolder,
                           Hooks hooks, QObject* parent)
    : QObject(parent), sheet_(sheet), status_(status), usersHomeFolder_(usersHomeFolder),
      hooks_(std::move(hooks))
{
}

QString AnalysisSets::currentUser() const
{
    const QString user = status_.panelText(1);
    return user.isEmpty() ? QStringLiteral("default") : user;
}

QString AnalysisSets::setFolderFor(const QString& chosen)
{
    QString path = QDir::fromNativeSeparators(chosen);
    const qsizetype nameStart = path.lastIndexOf(u'/') + 1;
    const qsizetype dot = path.indexOf(u'.', nameStart);
    if (dot >= 0)
        path.truncate(dot);
    return path + QStringLiteral("_ana");
}

void AnalysisSets::ZachowajAnalizy_ButtonClick()
{
    MessageCommand command;
    const QString user = currentUser();
    FileDialogRequest request;
    request.name = QStringLiteral("Save_Analizy");
    request.title = QStringLiteral("Zachowaj Analizy");
    request.filters = {QStringLiteral("Format Tallox (*.ana)"),
                       QStringLiteral("Dowolna nazwa zbioru (*.*)")};
    request.initialFolder = dialogFolder_;
    request.save = true;
    const FileDialogAnswer answer = runFileDialog(request);
    if (answer.accepted) {
        const QString folder = setFolderFor(answer.path);
        bool ready = true;
        if (QFileInfo::exists(folder)) {
            warn(kWarningCaption, QStringLiteral("Katalog analiz o podanej nazwie już istnieje !"));
            ready = QFileInfo(folder).isDir();
        } else if (QDir().mkdir(folder)) {
            showMessage({MessageIcon::Information, kInformationCaption,
                         QStringLiteral("Nowy katalog analiz:  ") + native(folder.chopped(4))
                             + QStringLiteral("_ana  został utworzony prawidłowo!"),
                         MessageButtons::Ok});
        } else {
            ready = false;
        }
        if (!ready) {
            warn(kWarningCaption, QStringLiteral("Nie można utworzyć katalogu analiz: ") + native(folder));
        } else {
            const QString worksheet = folder + QStringLiteral("/worksheet.tlx");
            if (!sheet_.WriteFile(worksheet, SheetFileType::Tlx)) {
                warn(QStringLiteral("Błąd zapisu zbioru danych!"),
                     QStringLiteral("Nie można zapisać pliku: ") + native(worksheet) + u'\n'
                         + sheet_.lastFileError());
            } else {
                // The list only grows; a list that cannot be written is not worth a message.
                const QString listFile =
                    usersHomeFolder_ + u'/' + user + u'/' + user + QStringLiteral("_ana.ini");
                writeTextLines(listFile, readTextLines(listFile) << native(folder));
            }
        }
    }
    if (hooks_.refillAnalysisList)
        hooks_.refillAnalysisList(user);
}

void AnalysisSets::Ladowanie_Analiz()
{
    MessageCommand command;
    FileDialogRequest request;
    request.name = QStringLiteral("Open_Analizy");
    request.title = QStringLiteral("Otwórz Analizy");
    request.filters = {QStringLiteral("Format Analiz Tallox (*_ana)"),
                       QStringLiteral("Dowolny Zbiór (*.*)")};
    request.initialFolder = dialogFolder_;
    request.defaultExtension = QStringLiteral("*_ana");
    const FileDialogAnswer answer = runFileDialog(request);
    if (answer.accepted) {
        // Read into a new sheet first: what cannot be read leaves the worksheet as it was.
        SheetFileType fileType = SheetFileType::Tlx;
        if (!sheet_.ReadFile(answer.path, fileType)) {
            warn(QStringLiteral("Błąd ładowania zbioru danych!"),
                 QStringLiteral("Nie można odczytać pliku: ") + native(answer.path) + u'\n'
                     + sheet_.lastFileError());
        } else {
            status_.setPanelText(0, native(answer.path));
            sheet_.setShowTabs(0);
            sheet_.setAllowEditHeaders(false);
            Kolorowanie_Kolumn(sheet_);
            for (const QString& warning : sheet_.lastReadWarnings())
                warn(kLoadWarningCaption, warning);
            bool dots = false;
            for (int row = 1; row <= kDotRows && !dots; ++row)
                for (int col = 1; col <= kDotColumns && !dots; ++col)
                    dots = sheet_.CellType(row, col) == TF1Book::TextCell
                           && sheet_.CellText(row, col).contains(u'.');
            if (dots)
                warn(kLoadWarningCaption,
                     QStringLiteral("W ładowanych danych wykryto kropki - pomyśl ewentualnie o ich "
                                    "zamianie na przecinki !"));
        }
    }
    if (hooks_.resetFigureCount)
        hooks_.resetFigureCount();
}
