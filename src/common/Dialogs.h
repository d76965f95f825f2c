#pragma once
// Seams for every dialog the program runs: file dialogs, printing, fonts, modal forms and the
// shell's "open". Tests install handlers; without one the real dialog shows.
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
class QPrinter;

namespace tallox {

struct FileDialogRequest {
    QString name;  // the dialog's name, e.g. "Open_Zbior"
    QString title;
    QStringList filters;  // "Label (*.ext)" entries, in order
    QString initialFolder;
    QString fileName;
    QString defaultExtension;
    bool save = false;
};
struct FileDialogAnswer {
    bool accepted = false;
    QString path;
    int filterEntry = 1;  // 1-based index of the chosen filter entry
};

FileDialogAnswer runFileDialog(const FileDialogRequest& request);
void setFileDialogHandler(std::function<FileDialogAnswer(const FileDialogRequest&)> handler);

bool runPrintDialog(QPrinter& printer);
void setPrintDialogHandler(std::function<bool(QPrinter&)> handler);
bool runPrinterSetupDialog(QPrinter& printer);
void setPrinterSetupHandler(std::function<bool(QPrinter&)> handler);

std::optional<QFont> runFontDialog(const QFont& initial);
void setFontDialogHandler(std::function<std::optional<QFont>(const QFont&)> handler);

// Shows a form modally; returns its result code.
int execModal(QDialog& dialog);
void setModalHandler(std::function<int(QDialog&)> handler);

// The shell's "open": a program name, a web address or a mailto: link. Failures are ignored.
void openExternal(const QString& target);
void setExternalOpenHandler(std::function<void(const QString&)> handler);

} // namespace tallox
