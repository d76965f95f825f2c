#include "common/Dialogs.h"

#include "common/Messages.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace tallox {
namespace {
template <typename F> F& slot()
{
    static F f;
    return f;
}
using FileHandler = std::function<FileDialogAnswer(const FileDialogRequest&)>;
using PrintHandler = std::function<bool(QPrinter&)>;
struct PrintSetupHandler : PrintHandler { using PrintHandler::operator=; };
using FontHandler = std::function<std::optional<QFont>(const QFont&)>;
using ModalHandler = std::function<int(QDialog&)>;
using OpenHandler = std::function<void(const QString&)>;

// The Windows accessories the program offers, and the Linux programs that stand in for them.
QStringList standInsFor(const QString& program)
{
    const QString p = program.toLower();
    if (p == "calc.exe")
        return {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "xcalc"};
    if (p == "wordpad.exe")
        return {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma", "xed",
                "featherpad", "leafpad", "abiword"};
    if (p == "charmap.exe")
        return {"gucharmap", "gnome-characters", "kcharselect"};
    return {};
}
} // namespace

FileDialogAnswer runFileDialog(const FileDialogRequest& request)
{
    if (auto& h = slot<FileHandler>())
        return h(request);
    QFileDialog dialog(QApplication::activeWindow(), request.title, request.initialFolder);
    dialog.setObjectName(request.name);
    dialog.setNameFilters(request.filters);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultExtension.isEmpty())
        dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    FileDialogAnswer answer;
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return answer;
    answer.accepted = true;
    answer.path = dialog.selectedFiles().constFirst();
    answer.filterEntry = std::max(0, int(request.filters.indexOf(dialog.selectedNameFilter()))) + 1;
    return answer;
}
void setFileDialogHandler(FileHandler h) { slot<FileHandler>() = std::move(h); }

bool runPrintDialog(QPrinter& printer)
{
    if (auto& h = slot<PrintHandler>())
        return h(printer);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
void setPrintDialogHandler(PrintHandler h) { slot<PrintHandler>() = std::move(h); }

bool runPrinterSetupDialog(QPrinter& printer)
{
    if (auto& h = slot<PrintSetupHandler>())
        return h(printer);
    QPageSetupDialog dialog(&printer, QApplication::activeWindow());
    return dialog.exec() == QDialog::Accepted;
}
void setPrinterSetupHandler(PrintHandler h) { slot<PrintSetupHandler>() = std::move(h); }

std::optional<QFont> runFontDialog(const QFont& initial)
{
    if (auto& h = slot<FontHandler>())
        return h(initial);
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
    return ok ? std::optional<QFont>(font) : std::nullopt;
}
void setFontDialogHandler(FontHandler h) { slot<FontHandler>() = std::move(h); }

int execModal(QDialog& dialog)
{
    const MessageCommandBoundary ownCommands;
    if (auto& h = slot<ModalHandler>())
        return h(dialog);
    return dialog.exec();
}
void setModalHandler(ModalHandler h) { slot<ModalHandler>() = std::move(h); }

void openExternal(const QString& target)
{
    if (auto& h = slot<OpenHandler>()) {
        h(target);
        return;
    }
    if (target.contains(':')) {  // http://…, https://…, mailto:…
        QDesktopServices::openUrl(QUrl(target));
        return;
    }
    if (target.compare("explorer.exe", Qt::CaseInsensitive) == 0) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::homePath()));
        return;
    }
    for (const QString& program : standInsFor(target)) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) {
            QProcess::startDetached(path, {});
            return;
        }
    }
    // Nothing found: nothing happens, as a failed start is never reported.
}
void setExternalOpenHandler(OpenHandler h) { slot<OpenHandler>() = std::move(h); }

} // namespace tallox
