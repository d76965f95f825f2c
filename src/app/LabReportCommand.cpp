// "Zapisz Raport PDF…": what the lab report holds, gathered from the main window's state, and
// the save dialog around it.
#include "analyses/AnalysesPage.h"
#include "analyses/AnalysisResults.h"
#include "analyses/RegressionPage.h"
#include "app/TForm1.h"
#include "chart/Chart.h"
#include "common/Dialogs.h"
#include "common/FileAccess.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"
#include "figures/FigureTable.h"
#include "records/LabReport.h"
#include "records/ResultList.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetShape.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>

using namespace tallox;

namespace {

QStringList listReportTexts(const ResultList* list)
{
    QStringList lines;
    if (!list)
        return lines;
    for (int row = 0; row < list->rowCount(); ++row) {
        const QString text = list->reportText(row);
        if (!text.isEmpty())
            lines << list->caption(row) + QStringLiteral(". ") + text;
    }
    return lines;
}

QString headingOf(const TF1Book& sheet, int column)
{
    const QString heading = sheet.ColumnHeading(column).trimmed();
    return heading.isEmpty() ? columnLetters(column) : heading;
}

} // namespace

void TForm1::giveResultListsReportTexts()
{
    for (ResultList* list : findChildren<ResultList*>())
        list->setReportText(reportTextOf);
}

LabReportContent TForm1::labReportContent()
{
    LabReportContent content;
    content.dataFile = StatusBar1->panelText(0);
    content.user = StatusBar1->panelText(1);
    content.date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    content.chart = Chart1->vectorPicture();
    content.chartSize = Chart1->outputSize();

    const RegressionPage* regression = findChild<RegressionPage*>();
    const int f = figureTable().currentSlot();
    if (regression) {
        if (const std::optional<FitResult> fit = regression->currentFit())
            content.sections.append({QStringLiteral("Regresja ") + fit->name + QStringLiteral(" (wykres ")
                                         + QString::number(f + 1) + u')',
                                     {reportText(*fit)}});
        if (const std::optional<GraphicalResult> graphical = regression->graphicalResult();
            graphical && graphical->figure == f)
            content.sections.append({QStringLiteral("Metoda graficzna (wykres ") + QString::number(f + 1) + u')',
                                     {reportText(*graphical)}});
    }
    content.sections.append({QStringLiteral("Średnie"),
                             listReportTexts(findChild<ResultList*>(QStringLiteral("Srednia_ListView")))});
    content.sections.append({QStringLiteral("Regresje"),
                             listReportTexts(findChild<ResultList*>(QStringLiteral("Regresja_ListView")))});

    // The figure's points: the rows holding a number in both of its columns, with the
    // per-point uncertainties beside them.
    if (f >= 0 && figureTable().record(f).Shown) {
        const danewykresu& figure = figureTable().record(f);
        QList<int> columns{figure.DataColumnX, figure.DataColumnY};
        QStringList notes;
        for (bool x : {true, false}) {
            const stats::UncertaintyKind kind = x ? figure.UncKindX : figure.UncKindY;
            if (kind == stats::UncertaintyKind::PerPoint)
                columns << (x ? figure.UncColumnX : figure.UncColumnY);
            else if (kind == stats::UncertaintyKind::Common)
                notes << (x ? QStringLiteral("niepewność X: ") : QStringLiteral("niepewność Y: "))
                             + (x ? figure.UncTextX : figure.UncTextY);
        }
        content.tableHeading = QStringLiteral("Dane wykresu ") + QString::number(f + 1)
                               + (notes.isEmpty() ? QString() : QStringLiteral(" (") + notes.join(QStringLiteral(", ")) + u')');
        for (int column : columns)
            content.tableColumns << (column >= 1 && column <= sheetColumns ? headingOf(*F1Book1, column) : QString());
        for (int row = 1; row <= sheetRows; ++row) {
            if (F1Book1->CellType(row, figure.DataColumnX) != TF1Book::NumberCell
                || F1Book1->CellType(row, figure.DataColumnY) != TF1Book::NumberCell)
                continue;
            QStringList cells;
            for (int column : columns)
                cells << (column >= 1 && column <= sheetColumns ? F1Book1->CellText(row, column) : QString());
            content.tableRows << cells;
        }
    }
    return content;
}

void TForm1::ZapiszRaport_MainMenuClick()
{
    FileDialogRequest request;
    request.name = QStringLiteral("Save_Raport");
    request.title = QStringLiteral("Zapisz Raport PDF");
    request.filters = {QStringLiteral("Dokument PDF (*.pdf)")};
    const QString dataFile = QDir::fromNativeSeparators(StatusBar1->panelText(0));
    request.initialFolder = dataFile.isEmpty() ? UsersHomeFolder : QFileInfo(dataFile).absolutePath();
    request.defaultExtension = QStringLiteral("pdf");
    request.save = true;
    const FileDialogAnswer answer = runFileDialog(request);
    if (!answer.accepted)
        return;
    const QString path = labReportPath(QDir::fromNativeSeparators(answer.path));
    const QByteArray pdf = labReportPdf(labReportContent());
    const QString reason = pdf.isEmpty() ? QStringLiteral("Nie udało się utworzyć dokumentu PDF.")
                                         : replaceFileContent(path, pdf);
    if (!reason.isEmpty())
        showMessage({MessageIcon::Warning, QStringLiteral("Błąd zapisu raportu!"),
                     QStringLiteral("Nie można zapisać pliku: ") + QDir::toNativeSeparators(path) + u'\n' + reason,
                     MessageButtons::Ok});
}
