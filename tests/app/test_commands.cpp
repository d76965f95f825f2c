// The commands of the menus, the tool bar and the information dialogs.
#include "app/TForm12.h"
#include "app/TForm13.h"
#include "app/TForm2.h"
#include "chart/Chart.h"
#include "common/Links.h"
#include "common/PanelStatusBar.h"
#include "support/fixture.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QScrollBar>
#include <QSvgRenderer>
#include "app/TForm1.h"
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <algorithm>

namespace {

const QString kNewDataQuestion = QStringLiteral(
    "Uwaga opcja usuwa bezpowrotnie wszystkie dane z Arkusza oraz wszystkie wykresy ! Analizy "
    "pozostaja nienaruszone !                       Usunac ?");

class CommandTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        TForm1& f = form();
        f.F1Book1->setCellNumber(1, 1, 2.5);
        f.F1Book1->setCellText(2, 2, QStringLiteral("opis"));
        f.F1Book1->setCellNumber(3, 24, 7.0);
        f.StatusBar1->setPanelText(0, QStringLiteral("/dane/wahadlo.tlx"));
    }
    void trigger(const char* name) { form().action(QLatin1String(name))->trigger(); }
    bool sheetIsEmpty()
    {
        for (int r = 1; r <= 200; ++r)
            for (int c = 1; c <= 26; ++c)
                if (form().F1Book1->CellType(r, c) != TF1Book::Empty)
                    return false;
        return true;
    }
    void expectLayout()
    {
        TF1Book& sheet = *form().F1Book1;
        EXPECT_EQ(sheet.ColumnHeading(23), QStringLiteral("Trans X"));
        EXPECT_EQ(sheet.ColumnWidth(25), 4000);
        EXPECT_EQ(sheet.CellFill(100, 24), 0x8888FF);
        EXPECT_EQ(sheet.CellFill(100, 26), 0xFBBE59);
        EXPECT_EQ(sheet.SelStartRow(), 1);
        EXPECT_EQ(sheet.SelEndCol(), 1);
    }
};

TEST_F(CommandTest, NewDataAnsweredNoChangesNothing)
{
    answers = {tallox::MessageAnswer::No};
    find<QPushButton>("NewDane_Button")->click();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, kNewDataQuestion);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Potwierdzenie"));
    EXPECT_EQ(messages[0].icon, tallox::MessageIcon::Question);
    EXPECT_EQ(messages[0].buttons, tallox::MessageButtons::YesNo);
    EXPECT_EQ(form().F1Book1->CellNumber(1, 1), 2.5);
    EXPECT_EQ(form().StatusBar1->panelText(0), QStringLiteral("/dane/wahadlo.tlx"));
}

TEST_F(CommandTest, NewDataAnsweredYesEmptiesSheetAndDataFile)
{
    answers = {tallox::MessageAnswer::Yes};
    trigger("NoweDane1");
    EXPECT_TRUE(sheetIsEmpty());
    EXPECT_EQ(form().StatusBar1->panelText(0), QString());
    expectLayout();
}

TEST_F(CommandTest, DeleteAllDataAsksNothingAndKeepsTheDataFileName)
{
    for (const char* command : {"UsuWszystko1", "ClearAll1", "DeleteData_ToolButton"}) {
        form().F1Book1->setCellNumber(5, 5, 1.0);
        trigger(command);
        EXPECT_TRUE(sheetIsEmpty()) << command;
        expectLayout();
    }
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(form().StatusBar1->panelText(0), QStringLiteral("/dane/wahadlo.tlx"));
}

TEST_F(CommandTest, SelectAllSelectsTheWholeSheet)
{
    form().F1Book1->ClearRange(1, 1, 200, 26, TF1Book::ClearKind::All);
    trigger("ZaznaczWszystko1");
    TF1Book& sheet = *form().F1Book1;
    EXPECT_EQ(sheet.SelStartRow(), 1);
    EXPECT_EQ(sheet.SelStartCol(), 1);
    EXPECT_EQ(sheet.SelEndRow(), 200);
    EXPECT_EQ(sheet.SelEndCol(), 26);
}

TEST_F(CommandTest, ClipboardCommandsWorkOnTheSelection)
{
    TF1Book& sheet = *form().F1Book1;
    sheet.SetActiveCell(1, 1);
    trigger("CopyData_ToolButton");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("2,5\n"));
    sheet.SetActiveCell(4, 4);
    trigger("Paste1");
    EXPECT_EQ(sheet.CellNumber(4, 4), 2.5);
    trigger("Wytnij1");
    EXPECT_EQ(sheet.CellType(4, 4), TF1Book::Empty);
}

TEST_F(CommandTest, InformationCommandsShowTheirForms)
{
    trigger("Pss1");
    trigger("ImportantInformation_ToolButton");
    trigger("Info1");
    trigger("WhatNew_ToolButton");
    trigger("Historia1");
    trigger("History_ToolButton");
    EXPECT_EQ(modalShown,
              (std::vector<QString>{"Form2", "Form2", "Form4", "Form4", "Form3", "Form3"}));
}

TEST_F(CommandTest, OutsideProgramsAndTheLaboratoryPageGoThroughTheShell)
{
    trigger("Explorer1");
    trigger("OpenCalculator_ToolButton");
    trigger("WordPad1");
    trigger("OpenCharMap_ToolButton");
    trigger("StronaDomowaPracowni1");
    trigger("HomePageLab_ToolButton");
    EXPECT_EQ(opened, (std::vector<QString>{"explorer.exe", "calc.exe", "wordpad.exe",
                                            "charmap.exe", tallox::links::kLaboratoryPage,
                                            tallox::links::kLaboratoryPage}));
}

TEST_F(CommandTest, AboutDialogLinksOpenMailAndPages)
{
    form().Form2->findChild<QLabel*>("programMailLink")->linkActivated(
        tallox::links::mailLink(tallox::links::kProgramMail));
    emit form().Form2->findChild<QLabel*>("facultyPageLink")->linkActivated(
        tallox::links::kFacultyPage);
    EXPECT_EQ(opened, (std::vector<QString>{
                          "mailto:" + tallox::links::kProgramMail + "?subject=Tallox%20PL%202.0",
                          tallox::links::kFacultyPage}));
}

TEST_F(CommandTest, AboutDialogButtonsShowNewsAndHistory)
{
    form().Form2->CoNowego_BitBtn->click();
    form().Form2->HistoriaProgramu_BitBtn->click();
    EXPECT_EQ(modalShown, (std::vector<QString>{"Form4", "Form3"}));
}

TEST_F(CommandTest, StartDialogButtons)
{
    TForm12& start = *form().Form12;
    start.WhatNew_Button->click();
    start.Zasluzeni_Button->click();
    EXPECT_EQ(modalShown, (std::vector<QString>{"Form4", "Form13"}));
    form().Form13->BitBtn1->click();
    EXPECT_EQ(form().Form13->result(), QDialog::Accepted);
    start.Dalej_Button->click();
    EXPECT_EQ(start.result(), QDialog::Accepted);
}

TEST_F(CommandTest, CodeVersionButtonReducesTheStartDialogForGood)
{
    TForm12& start = *form().Form12;
    form().Form2->Button1->click();
    ASSERT_EQ(modalShown, (std::vector<QString>{"Form12"}));
    auto expectReduced = [&] {
        EXPECT_FALSE(start.WhatNew_Button->isVisibleTo(&start));
        EXPECT_FALSE(start.Zasluzeni_Button->isVisibleTo(&start));
        EXPECT_TRUE(start.Dalej_Button->isVisibleTo(&start));
        EXPECT_EQ(start.Dalej_Button->x(), 224);
        EXPECT_EQ(start.Dalej_Button->text(), QStringLiteral("Pracuj dalej !   "));
    };
    expectReduced();
    start.Dalej_Button->click();
    form().Form2->Button1->click();
    expectReduced();
}

TEST_F(CommandTest, ChartCommandsPrintCopyAndOpenTheAxisWindow)
{
    int printDialogs = 0;
    tallox::setPrintDialogHandler([&](QPrinter& printer) {
        ++printDialogs;
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        return false;  // the user cancels: nothing is printed
    });
    trigger("Drukuj1");
    trigger("Printer_ToolButton");
    EXPECT_EQ(printDialogs, 2);

    QApplication::clipboard()->clear();
    trigger("KopiujWykres1");
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    ASSERT_NE(copied, nullptr);
    EXPECT_TRUE(copied->hasFormat(QStringLiteral("image/svg+xml")));
    EXPECT_TRUE(copied->hasImage());

    emit form().Chart1->axisClicked(&form().Chart1->bottomAxis());
    EXPECT_EQ(modalShown, (std::vector<QString>{"Form15"}));
}

TEST_F(CommandTest, TypingIntoTheSheetWithTheKeyboard)
{
    TForm1& f = form();
    f.show();
    QApplication::setActiveWindow(&f);
    TF1Book& sheet = *f.F1Book1;
    sheet.ClearRange(1, 1, 200, 26, TF1Book::ClearKind::Values);
    sheet.SetActiveCell(1, 1);
    sheet.view()->setFocus();
    QTableView* view = sheet.view();
    ASSERT_EQ(QApplication::focusWidget(), view);
    typeText(view, QStringLiteral("12,5"));
    pressKey(view, Qt::Key_Return);
    typeText(view, QStringLiteral("Zażółć"));
    pressKey(view, Qt::Key_Return);
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::NumberCell);
    EXPECT_EQ(sheet.CellNumber(1, 1), 12.5);
    EXPECT_EQ(sheet.CellText(2, 1), QStringLiteral("Zażółć"));
    EXPECT_EQ(sheet.ActiveRow(), 3);

    // Shift+Down extends the selection; Delete empties it.
    sheet.SetActiveCell(1, 1);
    pressKey(view, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(sheet.SelEndRow(), 2);
    pressKey(view, Qt::Key_Delete);
    EXPECT_EQ(sheet.CellType(1, 1), TF1Book::Empty);
    EXPECT_EQ(sheet.CellType(2, 1), TF1Book::Empty);
}

} // namespace

namespace {

// A number typed or pasted with the other decimal separator stays a text, and the hint line says
// where and why at once (no box).
TEST_F(CommandTest, ANumberInTheOtherConventionIsExplainedOnTheHintLine)
{
    struct Case {
        QLocale locale;
        bool paste;
        QString input;
        QString hint;  // empty: the hint line is left as it was
    };
    const QString polish = QStringLiteral(
        " zapisano jako tekst - w tym układzie liczby pisze się z przecinkiem (Ctrl+K zamienia "
        "kropki na przecinki).");
    const QLocale pl(QLocale::Polish, QLocale::Poland), en(QLocale::English, QLocale::UnitedStates);
    const std::vector<Case> cases{
        {pl, false, "1.5", "Komórka A3: \"1.5\"" + polish},
        {pl, false, "-2.5e3", "Komórka A3: \"-2.5e3\"" + polish},
        {pl, true, "7\t1.5\t2.5", "Komórka B3: \"1.5\"" + polish},  // the first such cell
        {en, false, "1,5", "Komórka A3: \"1,5\" zapisano jako tekst - w tym układzie liczby pisze "
                           "się z kropką."},
        {pl, false, "1,5", ""},      // a number here
        {pl, false, "1.2.3", ""},    // no number either way
        {pl, false, "ołów", ""},
        {pl, true, "\"1.5\"", ""},   // quoted: meant as a text
    };
    for (const Case& c : cases) {
        QLocale::setDefault(c.locale);
        TF1Book& sheet = *form().F1Book1;
        form().StatusBar2->setText(QStringLiteral("-"));
        if (c.paste)
            sheet.pasteText(3, 1, c.input);
        else
            sheet.enterText(3, 1, c.input);
        EXPECT_EQ(form().StatusBar2->text(), c.hint.isEmpty() ? QStringLiteral("-") : c.hint)
            << c.input.toStdString();
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace

namespace {

// One user command shows a box once: a column of eight zero uncertainties warns once per command,
// not once per point.
TEST_F(CommandTest, EightZeroUncertaintiesWarnOncePerCommand)
{
    TF1Book& sheet = *form().F1Book1;
    for (int row = 1; row <= 8; ++row) {
        sheet.setCellNumber(row, 1, row);
        sheet.setCellNumber(row, 2, 10 * row);
        sheet.setCellNumber(row, 5, 0.0);
    }
    find<QPushButton>("AddFigure_Button")->click();
    auto* column = find<QComboBox>("NrKolumnyNiepewnosciY_ComboBox");
    auto* kind = find<QComboBox>("TypNiepY_ComboBox");
    column->setCurrentIndex(4);  // E
    kind->setCurrentIndex(1);
    messages.clear();
    QTest::keyClick(kind, Qt::Key_Down);  // "Różne": the boxes from column E
    const QString zero = QStringLiteral("Ostrzeżenie o nieprawidłowej wartości niepewności y-ka!!|"
                                        "Niepewność y-ka jest zerem! ");
    EXPECT_EQ(boxes(), std::vector<QString>{zero});
    QTest::keyClick(kind, Qt::Key_Up);
    QTest::keyClick(kind, Qt::Key_Down);  // a new command tells it again
    const std::vector<QString> shown = boxes();
    EXPECT_EQ(std::count(shown.begin(), shown.end(), zero), 2);
}

} // namespace

namespace {

TEST_F(CommandTest, NewDataAnsweredYesAlsoRemovesTheFigure)
{
    TForm1& f = form();
    for (int r = 1; r <= 3; ++r) {
        f.F1Book1->setCellNumber(r, 1, r);
        f.F1Book1->setCellNumber(r, 2, 2.0 * r);
    }
    find<QPushButton>("AddFigure_Button")->click();
    ASSERT_EQ(f.Chart1->series(0).count(), 3);
    answers = {tallox::MessageAnswer::Yes};
    trigger("NoweDane1");
    EXPECT_TRUE(sheetIsEmpty());
    EXPECT_EQ(f.Chart1->series(0).count(), 0);
    EXPECT_TRUE(find<QPushButton>("AddFigure_Button")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("RemoveFigure_Button")->isEnabled());
    expectLayout();
    // Without a figure the command runs as before: nothing else is asked.
    answers = {tallox::MessageAnswer::Yes};
    trigger("NoweDane1");
    EXPECT_EQ(messages.size(), 2u);
}

TEST_F(CommandTest, ChartMenuGridItemsFollowTheAxisPageAndTheOtherWay)
{
    QAction* vertical = form().action(QStringLiteral("Siatkapionowa1"));
    auto* box = find<QCheckBox>("GridOdcietych_CheckBox");
    vertical->trigger();
    EXPECT_FALSE(vertical->isChecked());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(form().Chart1->bottomAxis().isGridVisible());
    box->setChecked(true);
    EXPECT_TRUE(vertical->isChecked());
    EXPECT_TRUE(form().Chart1->bottomAxis().isGridVisible());
    form().action(QStringLiteral("Siatkapozioma1"))->trigger();
    EXPECT_FALSE(find<QCheckBox>("GridRzednych_CheckBox")->isChecked());

    const QList<QAction*> items = form().PopupMenu_Wykresu->actions();
    ASSERT_GE(items.size(), 2);
    EXPECT_EQ(items[items.size() - 2]->objectName(), QStringLiteral("ZapiszWykresJako1"));
    EXPECT_EQ(items[items.size() - 2]->text(), QStringLiteral("Zapisz Wykres jako…"));
    EXPECT_EQ(items.last()->objectName(), QStringLiteral("ZapiszRaport1"));
    EXPECT_EQ(items.last()->text(), QStringLiteral("Zapisz Raport PDF…"));
    // Each scroll bar of the regression results page comes to the front when it changes.
    for (const char* name : {"ScrollBar1", "ScrollBar2"}) {
        auto* bar = find<QScrollBar>(name);
        auto* other = new QWidget(bar->parentWidget());
        other->raise();
        bar->setMaximum(10);
        bar->setValue(5);
        EXPECT_EQ(bar->parentWidget()->children().last(), bar) << name;
        delete other;
    }
}

TEST_F(CommandTest, SaveChartAsWritesValidPngSvgAndPdf)
{
    TForm1& f = form();
    f.Chart1->series(0).addPoint(1, 1);
    f.Chart1->series(0).addPoint(2, 4);
    f.Chart1->series(0).setActive(true);
    f.StatusBar1->setPanelText(0, QDir::toNativeSeparators(folder() + QStringLiteral("/dane/wahadlo.tlx")));
    fileAnswers = {{true, folder() + QStringLiteral("/wykres"), 1},
                   {true, folder() + QStringLiteral("/wykres"), 2},
                   {true, folder() + QStringLiteral("/raport.PDF"), 1}};
    for (int i = 0; i < 3; ++i)
        trigger("ZapiszWykresJako1");
    ASSERT_EQ(fileRequests.size(), 3u);
    const tallox::FileDialogRequest& request = fileRequests[0];
    EXPECT_EQ(request.name, QStringLiteral("Save_Wykres"));
    EXPECT_TRUE(request.save);
    EXPECT_EQ(request.filters, (QStringList{QStringLiteral("Obraz PNG (*.png)"),
                                            QStringLiteral("Grafika wektorowa SVG (*.svg)"),
                                            QStringLiteral("Dokument PDF (*.pdf)")}));
    EXPECT_EQ(request.initialFolder, folder() + QStringLiteral("/dane"));
    EXPECT_TRUE(messages.empty());

    QImage png(folder() + QStringLiteral("/wykres.png"));
    EXPECT_FALSE(png.isNull());
    EXPECT_EQ(png.size(), f.Chart1->outputSize() * 2);
    QSvgRenderer svg(folder() + QStringLiteral("/wykres.svg"));
    EXPECT_TRUE(svg.isValid());
    QFile pdf(folder() + QStringLiteral("/raport.PDF"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().startsWith("%PDF-"));
    EXPECT_EQ(QDir(folder()).entryList({QStringLiteral("wykres*"), QStringLiteral("raport*")}, QDir::Files).size(), 3);
}

TEST_F(CommandTest, SaveChartAsReportsAFailureAndLeavesNoFile)
{
    // The name chosen is taken by a folder: the file cannot replace it.
    const QString target = folder() + QStringLiteral("/wykres.svg");
    ASSERT_TRUE(QDir(folder()).mkdir(QStringLiteral("wykres.svg")));
    const QStringList before = QDir(folder()).entryList(QDir::Files | QDir::Hidden);
    fileAnswers = {{true, target, 2}};
    trigger("ZapiszWykresJako1");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Błąd zapisu wykresu!"));
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Nie można zapisać pliku: ")
                                            + QDir::toNativeSeparators(target) + u'\n'));
    EXPECT_GT(messages[0].text.size(), (QStringLiteral("Nie można zapisać pliku: ") + target).size() + 1);
    EXPECT_TRUE(QFileInfo(target).isDir());
    EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), before);  // no partial file

    // A cancelled dialog writes nothing and says nothing.
    fileAnswers = {{false, QString(), 1}};
    trigger("ZapiszWykresJako1");
    EXPECT_EQ(messages.size(), 1u);
}

}  // namespace
