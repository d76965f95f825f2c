// "Zapisz Raport PDF…" end to end: a figure with a fit and the graphical method, the save
// dialog, the document read back (pages, text, embedded fonts), and a write that fails.
#include "analyses/RegressionPage.h"
#include "common/PanelStatusBar.h"
#include "records/LabReport.h"
#include "support/fixture.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace {

class LabReportTest : public WindowTest {
protected:
    // (1, 2), (2, 3), (3, 4) with Y uncertainty 0.5, fitted classically and by the graphical method;
    // the heading of A carries Polish letters.
    void figureWithResults(int points = 3)
    {
        TF1Book& sheet = *form().F1Book1;
        for (int row = 1; row <= points; ++row) {
            sheet.setCellNumber(row, 1, row);
            sheet.setCellNumber(row, 2, row + 1 + (row % 2 ? 0.01 : -0.01) * (points > 3));
        }
        sheet.setColumnHeading(1, QStringLiteral("Długość łąki"));
        find<QPushButton>(QStringLiteral("AddFigure_Button"))->click();
        find<QLineEdit>(QStringLiteral("NiepY_Edit"))->setText(QStringLiteral("0.5"));
        auto* kind = find<QComboBox>(QStringLiteral("TypNiepY_ComboBox"));
        kind->setCurrentIndex(1);
        emit kind->activated(1);
        auto* page = form().findChild<RegressionPage*>();
        page->BitBtn8->click();
        page->ProsteGraniczne_Button->click();
    }
    QString pdftotext(const QString& pdf)
    {
        QProcess run;
        run.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        run.waitForFinished(20000);
        return QString::fromUtf8(run.readAllStandardOutput());
    }
};

TEST_F(LabReportTest, ReportHoldsTheFigureTheResultsAndTheData)
{
    figureWithResults();
    form().StatusBar1->setPanelText(1, QStringLiteral("Żaneta Kowalska"));
    fileAnswers.push_back({true, folder() + QStringLiteral("/raport"), 1});
    find<QAction>(QStringLiteral("ZapiszRaport_MainMenu"))->trigger();
    ASSERT_EQ(fileRequests.size(), 1u);
    EXPECT_EQ(fileRequests[0].name, QStringLiteral("Save_Raport"));
    EXPECT_EQ(fileRequests[0].filters, QStringList{QStringLiteral("Dokument PDF (*.pdf)")});
    EXPECT_TRUE(fileRequests[0].save);
    EXPECT_TRUE(boxes().empty());

    QFile file(folder() + QStringLiteral("/raport.pdf"));  // the extension added
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_EQ(pdf.count(QByteArrayView("/Type /Page\n")) + pdf.count(QByteArrayView("/Type /Page\r")), 1);
    EXPECT_TRUE(pdf.contains("/FontFile2")) << "the font is embedded";

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed: the report's text cannot be read back";
    const QString text = pdftotext(file.fileName());
    for (const QString& expected :
         {QStringLiteral("Żaneta Kowalska"), QStringLiteral("Regresja Klasyczna (wykres 1)"),
          QStringLiteral("Metoda graficzna (wykres 1)"), QStringLiteral("a = 1.00 ± 0.50; b = 1.0 ± 1.0"),
          QStringLiteral("Długość łąki"), QStringLiteral("r = 1.0000000")})
        EXPECT_TRUE(text.contains(expected)) << expected.toStdString() << "\n" << text.toStdString();
}

TEST_F(LabReportTest, ALongTableTakesASecondPage)
{
    figureWithResults(200);
    fileAnswers.push_back({true, folder() + QStringLiteral("/long.PDF"), 1});
    find<QAction>(QStringLiteral("ZapiszRaport1"))->trigger();
    QFile file(folder() + QStringLiteral("/long.PDF"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_EQ(pdf.count(QByteArrayView("/Type /Page\n")) + pdf.count(QByteArrayView("/Type /Page\r")), 2);
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    const QString text = pdftotext(file.fileName());
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\b200\\s+200\\s+200,99\\b")))) << text.toStdString();
}

TEST_F(LabReportTest, AFailedWriteSaysSoAndLeavesNoFile)
{
    figureWithResults();
    const QString path = folder() + QStringLiteral("/brak/raport.pdf");
    fileAnswers.push_back({true, path, 1});
    find<QAction>(QStringLiteral("ZapiszRaport_MainMenu"))->trigger();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Błąd zapisu raportu!"));
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Nie można zapisać pliku: ")
                                            + QDir::toNativeSeparators(path) + u'\n'));
    EXPECT_FALSE(QFile::exists(path));
}

} // namespace
