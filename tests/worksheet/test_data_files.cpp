// Loading and saving data files as a user does it: the dialogs, the names, the messages.
#include "common/PanelStatusBar.h"
#include "figures/FigureTable.h"
#include "support/fixture.h"
#include "worksheet/DataFiles.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetCells.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <cstring>

namespace {

using tallox::FileDialogAnswer;

class DataFilesTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        sheet = form().F1Book1;
        files = form().dataFiles;
    }
    void open(const QString& name, int entry)
    {
        fileAnswers.push_back({true, folder() + u'/' + name, entry});
        files->Ladowanie_Danych();
    }
    QString save(const QString& name, int entry)
    {
        fileAnswers.push_back({true, folder() + u'/' + name, entry});
        files->Zachowaj_Dane();
        return form().StatusBar1->panelText(0);
    }
    QByteArray bytes(const QString& name)
    {
        QFile file(folder() + u'/' + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString native(const QString& name) { return QDir::toNativeSeparators(folder() + u'/' + name); }
    TF1Book* sheet = nullptr;
    DataFiles* files = nullptr;
};

TEST_F(DataFilesTest, DialogsOfferTheirEntries)
{
    fileAnswers.push_back({});
    files->Ladowanie_Danych();
    fileAnswers.push_back({});
    files->Zachowaj_Dane();
    ASSERT_EQ(fileRequests.size(), 2u);
    EXPECT_EQ(fileRequests[0].name, QStringLiteral("Open_Zbior"));
    EXPECT_EQ(fileRequests[0].title, QStringLiteral("Otwórz Dane"));
    EXPECT_EQ(fileRequests[0].filters.size(), 8);
    EXPECT_EQ(fileRequests[0].filters[4], QStringLiteral("Dowolny Zbiór (*.*)"));
    EXPECT_EQ(fileRequests[0].filters.mid(5),
              (QStringList{"Arkusz Excel (*.xlsx)", "Arkusz OpenDocument (*.ods)", "Tekst CSV (*.csv)"}));
    EXPECT_EQ(fileRequests[0].initialFolder, form().UsersHomeFolder + u'/');
    EXPECT_EQ(fileRequests[1].name, QStringLiteral("Save_Data"));
    EXPECT_EQ(fileRequests[1].title, QStringLiteral("Zachowaj Dane"));
    EXPECT_EQ(fileRequests[1].filters,
              (QStringList{"Format Tallox (*.tlx)", "Format Danych ASCII (*.txt)",
                           "Format Danych Excela (*.xls)", "Arkusz Excel (*.xlsx)",
                           "Arkusz OpenDocument (*.ods)", "Tekst CSV (*.csv)"}));
    EXPECT_EQ(fileRequests[1].defaultExtension, QStringLiteral("tlx"));
    EXPECT_TRUE(fileRequests[1].save);
}

TEST_F(DataFilesTest, SavedNamesTakeTheExtensionOfTheChosenType)
{
    sheet->setCellNumber(1, 1, 1.5);
    EXPECT_EQ(save("pomiary.txt", 2), native("pomiary.dat"));
    EXPECT_EQ(bytes("pomiary.dat"), QByteArray("1,5\r\n"));
    EXPECT_FALSE(QFile::exists(folder() + "/pomiary.txt"));
    EXPECT_EQ(save("wahadlo", 1), native("wahadlo.tlx"));
    EXPECT_EQ(save("seria.1.wyniki.dat", 3), native("seria.xls"));
    EXPECT_EQ(save("seria", 4), native("seria.xlsx"));
    EXPECT_EQ(save("seria.csv", 5), native("seria.ods"));
    EXPECT_EQ(save("seria.xlsx", 6), native("seria.csv"));
    QDir(folder()).mkdir("dane.2026");
    EXPECT_EQ(save("dane.2026/pomiar.tlx", 2), native("dane.2026/pomiar.dat"));
    // The next save proposes the current data file.
    fileAnswers.push_back({});
    files->Zachowaj_Dane();
    EXPECT_EQ(fileRequests.back().fileName, native("dane.2026/pomiar.dat"));
}

TEST_F(DataFilesTest, EveryTypeReadsBackIntoTheSameCells)
{
    sheet->setCellNumber(1, 1, 0.1);
    sheet->setCellNumber(200, 26, -1e-300);
    sheet->setCellText(2, 3, QStringLiteral("Zażółć\tgęślą\njaźń"));
    sheet->setCellText(3, 1, QStringLiteral("  12,5"));
    const tallox::SheetCells before = sheet->sheetCells();
    // The save dialog's entry and the open dialog's entry of the same format.
    const struct {
        const char* name;
        int saveEntry;
        int openEntry;
    } formats[] = {{"a", 1, 1}, {"b", 2, 2}, {"c", 3, 3}, {"d", 4, 6}, {"e", 5, 7}, {"f", 6, 8}};
    for (const auto& [name, saveEntry, openEntry] : formats) {
        save(QLatin1String(name), saveEntry);
        const QString written = form().StatusBar1->panelText(0);
        sheet->ClearRange(1, 1, 200, 26, TF1Book::ClearKind::All);
        fileAnswers.push_back({true, written, openEntry});
        files->Ladowanie_Danych();
        const tallox::SheetCells after = sheet->sheetCells();
        ASSERT_EQ(after.cells.size(), before.cells.size()) << name;
        for (std::size_t i = 0; i < after.cells.size(); ++i) {
            EXPECT_EQ(after.cells[i].row, before.cells[i].row);
            EXPECT_EQ(after.cells[i].kind, before.cells[i].kind);
            EXPECT_EQ(after.cells[i].text, before.cells[i].text);
            EXPECT_EQ(std::memcmp(&after.cells[i].number, &before.cells[i].number, sizeof(double)), 0);
        }
        EXPECT_EQ(sheet->CellFill(1, 23), 0x8888FF);  // the layout is applied again
    }
    EXPECT_TRUE(messages.empty());
}

TEST_F(DataFilesTest, DottedNumbersBringTheWarningAndDotsToCommasTurnThemIntoNumbers)
{
    writeFile("kropki.dat", "1.5\tlitery\r\n2,5\t-3.25e2\r\n");
    open("kropki.dat", 2);
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Ostrzeżenie ładowania zbioru danych!|W ładowanych danych wykryto "
                           "kropki - pomyśl ewentualnie o ich zamianie na przecinki !"}));
    EXPECT_EQ(sheet->CellType(1, 1), TF1Book::TextCell);
    EXPECT_EQ(form().StatusBar1->panelText(0), native("kropki.dat"));
    form().action("Zamiekropkinaprzecinki2")->trigger();
    EXPECT_EQ(sheet->CellNumber(1, 1), 1.5);
    EXPECT_EQ(sheet->CellNumber(2, 2), -325.0);
    EXPECT_EQ(sheet->CellText(1, 2), QStringLiteral("litery"));
    EXPECT_EQ(sheet->CellNumber(2, 1), 2.5);
    EXPECT_EQ(sheet->CellText(1, 1), QStringLiteral("1,5"));
}

TEST_F(DataFilesTest, PlainTextFillsFourColumns)
{
    writeFile("pomiary.txt", "1 2 3 4 5 6\n1.5 2.5 3.5\n7 8 9 10\n\n");
    open("pomiary.txt", 4);
    EXPECT_EQ(sheet->CellNumber(1, 4), 4.0);
    EXPECT_EQ(sheet->CellType(1, 5), TF1Book::Empty);
    EXPECT_EQ(sheet->CellNumber(2, 3), 3.5);
    EXPECT_EQ(sheet->CellNumber(2, 4), 7.0);  // the next line's first number completes the row
    EXPECT_EQ(sheet->CellType(3, 1), TF1Book::NumberCell);
    EXPECT_EQ(sheet->CellNumber(3, 1), 0.0);  // the empty last line: a row of zeros
    EXPECT_EQ(sheet->CellType(4, 1), TF1Book::Empty);
}

TEST_F(DataFilesTest, AFileThatCannotBeReadCostsNothing)
{
    sheet->setCellNumber(1, 1, 7.0);
    form().StatusBar1->setPanelText(0, QStringLiteral("stary.tlx"));
    writeFile("zepsuty.tlx", "Tallox worksheet 1\n1\t1\tn\t2\n");  // cut short, no end line
    open("zepsuty.tlx", 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Błąd ładowania zbioru danych!"));
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Nie można odczytać pliku: ")
                                            + native("zepsuty.tlx") + u'\n'));
    EXPECT_GT(messages[0].text.size(), (QStringLiteral("Nie można odczytać pliku: ")
                                        + native("zepsuty.tlx") + u'\n').size());
    EXPECT_EQ(sheet->CellNumber(1, 1), 7.0);
    EXPECT_EQ(form().StatusBar1->panelText(0), QStringLiteral("stary.tlx"));

    messages.clear();
    open("brak.tlx", 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(sheet->CellNumber(1, 1), 7.0);
}

TEST_F(DataFilesTest, AFailedSaveKeepsTheOldFileAndTheDataFileName)
{
    sheet->setCellNumber(1, 1, 1.0);
    writeFile("plik", "to nie folder");
    form().StatusBar1->setPanelText(0, QStringLiteral("stary.tlx"));
    save("plik/dane", 1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, QStringLiteral("Błąd zapisu zbioru danych!"));
    EXPECT_TRUE(messages[0].text.startsWith(QStringLiteral("Nie można zapisać pliku: ")
                                            + native("plik/dane.tlx") + u'\n'));
    EXPECT_EQ(form().StatusBar1->panelText(0), QStringLiteral("stary.tlx"));
    EXPECT_EQ(bytes("plik"), QByteArray("to nie folder"));
}

TEST_F(DataFilesTest, DataBeyondTheSheetIsLeftOutWithAWarning)
{
    QByteArray rows;
    for (int r = 1; r <= 300; ++r)
        rows += QByteArray::number(r) + "\r\n";
    writeFile("dlugi.dat", rows);
    open("dlugi.dat", 2);
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Ostrzeżenie ładowania zbioru danych!|Plik zawiera dane poza arkuszem "
                           "(200 wierszy, 26 kolumn) - wczytano tylko dane mieszczące się w "
                           "arkuszu."}));
    EXPECT_EQ(sheet->CellNumber(200, 1), 200.0);
}

TEST_F(DataFilesTest, RecentFileGoesToTheTopOfTheUsersDataListOnce)
{
    QDir(folder()).mkdir("Kowalski");
    form().StatusBar1->setPanelText(1, QStringLiteral("Kowalski"));
    writeFile("Kowalski/Kowalski_data.ini", "/dane/inny.tlx\r\n/dane/trzeci.tlx\r\n");
    sheet->setCellNumber(1, 1, 3.0);
    save("seria", 1);
    const QString path = folder() + "/seria.tlx";
    files->Ogolna_procedure_Ladowania_Danych_zPopupu(path);
    files->Ogolna_procedure_Ladowania_Danych_zPopupu(path);
    EXPECT_EQ(bytes("Kowalski/Kowalski_data.ini"),
              (path + "\r\n/dane/inny.tlx\r\n/dane/trzeci.tlx\r\n").toUtf8());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(sheet->CellNumber(1, 1), 3.0);

    form().StatusBar1->setPanelText(1, QString());
    files->Ogolna_procedure_Ladowania_Danych_zPopupu(path);
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Ostrzeżenie ładowania zbioru danych !|Brak nazwy użytkownika, dane "
                           "będą jednak dostępne standardowo w macierzystym katalogu"}));
    EXPECT_EQ(bytes("_data.ini"), (path + "\r\n").toUtf8());
}

TEST_F(DataFilesTest, LoadingForgetsTheFiguresEvenWhenTheDialogIsCancelled)
{
    tallox::FigureTable& figures = form().figureTable();
    figures.raiseCount();
    figures.raiseCount();
    fileAnswers.push_back({});
    files->Ladowanie_Danych();
    EXPECT_EQ(figures.count(), 0);
    figures.raiseCount();
    sheet->setCellNumber(1, 1, 1.0);
    save("figury", 1);
    open("figury.tlx", 1);
    EXPECT_EQ(figures.count(), 0);
    figures.raiseCount();
    open("nie-ma-takiego.tlx", 1);  // a file that cannot be read changes nothing
    EXPECT_EQ(figures.count(), 1);
}

TEST_F(DataFilesTest, ANameWrittenOtherThanChosenAsksBeforeReplacingAFile)
{
    sheet->setCellNumber(1, 1, 1.0);
    save("seria", 1);
    const QByteArray old = bytes("seria.tlx");
    sheet->setCellNumber(1, 1, 2.0);
    form().StatusBar1->setPanelText(0, QStringLiteral("inny.tlx"));
    const tallox::Message question{tallox::MessageIcon::Question, tallox::kConfirmCaption,
                                   QStringLiteral("Plik seria.tlx już istnieje. Zastąpić go?"),
                                   tallox::MessageButtons::YesNo};
    answers.push_back(tallox::MessageAnswer::No);
    EXPECT_EQ(save("seria.2.tlx", 1), QStringLiteral("inny.tlx"));  // nothing saved
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].icon, question.icon);
    EXPECT_EQ(messages[0].buttons, question.buttons);
    EXPECT_EQ(boxes(), std::vector<QString>{question.caption + u'|' + question.text});
    EXPECT_EQ(bytes("seria.tlx"), old);

    answers.push_back(tallox::MessageAnswer::Yes);
    EXPECT_EQ(save("seria.2.tlx", 1), native("seria.tlx"));
    EXPECT_NE(bytes("seria.tlx"), old);
    messages.clear();
    save("seria.tlx", 1);  // the name chosen is the name written: the dialog has asked already
    EXPECT_TRUE(messages.empty());
}

TEST_F(DataFilesTest, LoadWarningsAndFilesWithoutData)
{
    const QString caption = QStringLiteral("Ostrzeżenie ładowania zbioru danych!|");
    writeFile("slowa.txt", "1 x 3 4\ny 6 z 8\n");
    open("slowa.txt", 5);
    EXPECT_EQ(boxes(), std::vector<QString>{caption + "Pominięto fragmenty pliku, które nie są liczbami (3); ich "
                                                      "komórki pozostały puste."});
    EXPECT_EQ(sheet->CellNumber(2, 2), 6.0);

    messages.clear();
    writeFile("bajty.dat", "Pr\xC4\x99" "dko\x9C\xC4\x87\t2\r\n");
    open("bajty.dat", 2);
    EXPECT_EQ(boxes(), std::vector<QString>{caption + "Plik zawiera bajty, które nie są poprawnym tekstem UTF-8 (1); "
                                                      "zastąpiono je znakiem �."});

    // No data, through every entry and the data list: refused, the sheet and panel 0 kept.
    writeFile("pusty.tlx", "");
    writeFile("pusty.xls", "");
    writeFile("puste.dat", " \r\n\r\n");
    writeFile("puste.txt", "\r\n");
    sheet->setCellNumber(1, 1, 7.0);
    const QString panel = form().StatusBar1->panelText(0);
    for (const auto& [name, entry] : {std::pair{"pusty.tlx", 1}, std::pair{"puste.dat", 2}, std::pair{"pusty.xls", 3},
                                      std::pair{"puste.txt", 4}, std::pair{"puste.txt", 5}, std::pair{"pusty.tlx", 0}}) {
        messages.clear();
        if (entry == 0)
            files->Ogolna_procedure_Ladowania_Danych_zPopupu(folder() + u'/' + QLatin1String(name));
        else
            open(QLatin1String(name), entry);
        EXPECT_EQ(boxes(), std::vector<QString>{"Błąd ładowania zbioru danych!|Nie można odczytać pliku: "
                                                + native(QLatin1String(name)) + "\nPlik nie zawiera danych."})
            << name << " " << entry;
        EXPECT_EQ(sheet->CellNumber(1, 1), 7.0);
        EXPECT_EQ(form().StatusBar1->panelText(0), panel);
    }
}

TEST_F(DataFilesTest, ATextCutToFitTheFormatIsReportedOnSave)
{
    sheet->setCellText(3, 2, QString(40000, u'x'));
    sheet->setCellText(5, 1, QString(40000, u'y'));
    save("dlugi", 3);
    EXPECT_EQ(boxes(), std::vector<QString>{"Ostrzeżenie ładowania zbioru danych!|Tekst w komórce B3 jest za długi "
                                            "dla tego formatu i został skrócony."});
    messages.clear();
    save("dlugi", 1);  // .tlx keeps any length
    EXPECT_TRUE(messages.empty());
}

} // namespace
