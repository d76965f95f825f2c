#include "app/ChartSaving.h"

#include "app/TForm1.h"
#include "common/Dialogs.h"
#include "common/FileAccess.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <array>

namespace tallox {

namespace {
struct Entry {
    const char* extension;
    Chart::ImageFormat format;
};
constexpr std::array<Entry, 3> kEntries{{{"png", Chart::ImageFormat::Png},
                                         {"svg", Chart::ImageFormat::Svg},
                                         {"pdf", Chart::ImageFormat::Pdf}}};
}  // namespace

QStringList chartImageFilters()
{
    return {QStringLiteral("Obraz PNG (*.png)"), QStringLiteral("Grafika wektorowa SVG (*.svg)"),
            QStringLiteral("Dokument PDF (*.pdf)")};
}

ChartImageTarget chartImageTarget(const QString& chosen, int filterEntry)
{
    const QString suffix = QFileInfo(chosen).suffix().toLower();
    for (const Entry& e : kEntries)
        if (suffix == QLatin1String(e.extension))
            return {chosen, e.format};
    const Entry& e = kEntries[std::size_t(std::clamp(filterEntry, 1, 3) - 1)];
    return {chosen + u'.' + QLatin1String(e.extension), e.format};
}

QString saveChartImage(Chart& chart, const ChartImageTarget& target)
{
    const QByteArray bytes = chart.exportImage(target.format);
    if (bytes.isEmpty())
        return QStringLiteral("Nie udało się narysować wykresu.");
    return replaceFileContent(target.path, bytes);
}

}  // namespace tallox

using namespace tallox;

void TForm1::ZapiszWykresJako1Click()
{
    FileDialogRequest request;
    request.name = QStringLiteral("Save_Wykres");
    request.title = QStringLiteral("Zapisz Wykres jako");
    request.filters = chartImageFilters();
    // Beside the data it was drawn from: the folder of the last data file, else the users' home.
    const QString dataFile = QDir::fromNativeSeparators(StatusBar1->panelText(0));
    request.initialFolder = dataFile.isEmpty() ? UsersHomeFolder : QFileInfo(dataFile).absolutePath();
    request.defaultExtension = QStringLiteral("png");
    request.save = true;
    const FileDialogAnswer answer = runFileDialog(request);
    if (!answer.accepted)
        return;
    const QString chosen = QDir::fromNativeSeparators(answer.path);
    const ChartImageTarget target = chartImageTarget(chosen, answer.filterEntry);
    // The dialog asked about the name the user chose, not about the one written instead.
    if (target.path != chosen && QFileInfo::exists(target.path)) {
        const MessageAnswer replace = showMessage(
            {MessageIcon::Question, kConfirmCaption,
             QStringLiteral("Plik ") + QFileInfo(target.path).fileName() + QStringLiteral(" już istnieje. Zastąpić go?"),
             MessageButtons::YesNo});
        if (replace != MessageAnswer::Yes)
            return;
    }
    const QString reason = saveChartImage(*Chart1, target);
    if (!reason.isEmpty())
        showMessage({MessageIcon::Warning, QStringLiteral("Błąd zapisu wykresu!"),
                     QStringLiteral("Nie można zapisać pliku: ") + QDir::toNativeSeparators(target.path) + u'\n' + reason,
                     MessageButtons::Ok});
}
