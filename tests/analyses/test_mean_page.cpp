// The page "Wartość Średnia" driven as a student would: pick, press "Obliczaj", read.
#include "analyses/MeanPage.h"
#include "records/ResultList.h"
#include "support/fixture.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QPushButton>

namespace {

class MeanPageTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        page = form().findChild<MeanPage*>();
        ASSERT_NE(page, nullptr);
        sheet = form().F1Book1;
    }
    void column(int col, std::initializer_list<double> values, int firstRow = 1)
    {
        int row = firstRow;
        for (double v : values)
            sheet->setCellNumber(row++, col, v);
    }
    // The user's choice in a picker (what a click on an item does).
    static void choose(QComboBox* picker, int index)
    {
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    }
    QString label(const char* name) { return find<QLabel>(name)->text(); }
    QStringList row(int r)
    {
        QStringList out;
        for (int k = 0; k < 9; ++k)
            out << page->Srednia_ListView->subItem(r, k);
        return out;
    }
    MeanPage* page = nullptr;
    TF1Book* sheet = nullptr;
};

TEST_F(MeanPageTest, StandardMeanFillsLabelsAndAppendsARow)
{
    column(3, {1.0, 2.0, 4.0});
    choose(page->NrKolumnySredniejStandardowej_ComboBox, 2);
    page->BitBtn6->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(label("Wynik_AnalizowanaKolumna_WSS_Label"), QStringLiteral("3 (C)"));
    EXPECT_EQ(label("Wynik_LiczbaDanych_WSS_Label"), QStringLiteral("3"));
    EXPECT_EQ(label("Wynik_WartoscSrednia_WSS_Label"), QStringLiteral("2.3333333333"));
    // S = 14/3: sqrt(S/2) and sqrt(S/6)
    EXPECT_EQ(label("Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label"),
              QStringLiteral("1.5275252317"));
    EXPECT_EQ(label("Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label"),
              QStringLiteral("0.8819171037"));
    ASSERT_EQ(page->Srednia_ListView->rowCount(), 1);
    EXPECT_EQ(page->Srednia_ListView->caption(0), QStringLiteral("1"));
    EXPECT_EQ(row(0), (QStringList{"Standardowa", "3 (C)", "----------", "3", "2.3333333333",
                                   "1.5275252317", "0.8819171037", "----------", ""}));
    EXPECT_EQ(page->Srednia_ListView->focusedRow(), 0);
    const ColumnRecord& record = form().columnTable()[3];
    EXPECT_NEAR(double(record.Weight), 1.0 / (14.0 / 18.0), 1e-12);
}

TEST_F(MeanPageTest, OneValueOrEqualValuesHaveNoScatter)
{
    column(1, {-1.5});
    page->BitBtn6->click();
    EXPECT_EQ(label("Wynik_WartoscSrednia_WSS_Label"), QStringLiteral("-1.5000000000"));
    EXPECT_EQ(label("Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label"),
              QStringLiteral("0.0000000000"));
    EXPECT_EQ(form().columnTable()[1].Weight, 0.0L);
    column(2, {1234.5, 1234.5});
    choose(page->NrKolumnySredniejStandardowej_ComboBox, 1);
    page->BitBtn6->click();
    EXPECT_EQ(label("Wynik_WartoscSrednia_WSS_Label"), QStringLiteral("1234.5000000000"));
    EXPECT_EQ(label("Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label"),
              QStringLiteral("0.0000000000"));
}

TEST_F(MeanPageTest, GapsAndTextCellsCountOnlyTheNumbers)
{
    sheet->setCellNumber(1, 1, 1.0);
    sheet->setCellNumber(3, 1, 2.0);
    sheet->setCellText(5, 1, QStringLiteral("3.5"));
    sheet->setCellNumber(7, 1, 6.0);
    page->BitBtn6->click();
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Ostrzeżenie|Uwaga któraś dana z kolumny nie jest liczbą ! Wyznaczony wynik "
                           "może być nieprawidłowy !",
                           "Informacja|Prawdopodobnie jedna danych z analizowanej kolumy zamiast "
                           "przecinka posiada kropkę !"}));
    EXPECT_EQ(label("Wynik_LiczbaDanych_WSS_Label"), QStringLiteral("3"));
    EXPECT_EQ(label("Wynik_WartoscSrednia_WSS_Label"), QStringLiteral("3.0000000000"));
}

TEST_F(MeanPageTest, EmptyColumnIsRefusedAndNothingChanges)
{
    column(1, {5.0});
    page->BitBtn6->click();
    choose(page->NrKolumnySredniejStandardowej_ComboBox, 4);
    page->BitBtn6->click();
    EXPECT_EQ(boxes(), (std::vector<QString>{"Błąd Średniej Standardowej!|Brak danych w kolumnie!  "
                                             "Lub niepoprawny format numeryczny!"}));
    EXPECT_EQ(page->Srednia_ListView->rowCount(), 1);
    EXPECT_EQ(label("Wynik_AnalizowanaKolumna_WSS_Label"), QStringLiteral("1 (A)"));
}

TEST_F(MeanPageTest, CertifiedMeanAndDeviationOfLewTypedIntoAColumn)
{
    // NIST StRD "Lew": 200 beam deflections, certified mean -177.435 and s 277.332168044316.
    QFile file(QStringLiteral(TALLOX_TESTS_DIR "/data/nist/Lew.dat"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int i = 60; i < 260; ++i)
        sheet->enterText(i - 59, 4, QString::fromLatin1(lines[i].trimmed()));
    choose(page->NrKolumnySredniejStandardowej_ComboBox, 3);
    page->BitBtn6->click();
    EXPECT_EQ(label("Wynik_LiczbaDanych_WSS_Label"), QStringLiteral("200"));
    EXPECT_EQ(label("Wynik_WartoscSrednia_WSS_Label"), QStringLiteral("-177.4350000000"));
    EXPECT_EQ(label("Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label"),
              QStringLiteral("277.3321680443"));
}

TEST_F(MeanPageTest, WeightedMeanOfTwoValues)
{
    column(1, {10.0, 12.0});
    column(2, {1.0, 2.0});
    choose(page->TypObliczenSredniej_ComboBox, 1);
    EXPECT_TRUE(page->SredniaWazona_Panel->isVisibleTo(page));
    EXPECT_FALSE(page->SredniaStandardowa_Panel->isVisibleTo(page));
    page->BitBtn6->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(row(0), (QStringList{"Ważona", "1 (A)", "2 (B)", "2", "10.4000000000",
                                   "----------", "0.8944271910", "0.8000000000", ""}));
    EXPECT_EQ(label("Wyniki_WartosciCHi2_WSW_Label"), QStringLiteral("0.8000000000"));
}

TEST_F(MeanPageTest, WeightedMeanWarnsPerCellInRowOrderAndStopsOnAnIncompletePair)
{
    column(1, {10.0, 0.0, 12.0});
    column(2, {1.0, 1.0, 2.0});
    sheet->setCellText(4, 1, QStringLiteral("x"));
    sheet->setCellNumber(4, 2, 1.0);
    sheet->setCellNumber(5, 1, 13.0);
    sheet->setCellNumber(5, 2, 0.0);
    choose(page->TypObliczenSredniej_ComboBox, 1);
    // A real click: one user command, in which the second pass repeats no box of the first.
    QTest::mouseClick(page->BitBtn6, Qt::LeftButton);
    const QString zeroValue = QStringLiteral("Ostrzezenie Średniej Ważonej!|Zerowa wartosc danych ");
    const QString zeroUncertainty =
        QStringLiteral("Ostrzezenie Średniej Ważonej!|Zerowa wartosc niepewnosci");
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Ostrzeżenie|Uwaga któraś dana z kolumny nie jest liczbą ! Wyznaczony wynik "
                           "może być nieprawidłowy !",
                           zeroValue,
                           "Błąd Średniej Ważonej!|Niepoprawny format numerycznych danej",
                           zeroUncertainty}));
    EXPECT_EQ(page->Srednia_ListView->rowCount(), 1);

    messages.clear();
    sheet->ClearRange(3, 2, 3, 2, TF1Book::ClearKind::Values);
    page->BitBtn6->click();
    EXPECT_EQ(boxes().back(),
              QStringLiteral("Błąd Średniej Ważonej!|Jedna z par jest niepelna! Uzupelnij Dane !"));
    EXPECT_EQ(page->Srednia_ListView->rowCount(), 1);
}

TEST_F(MeanPageTest, WeightedMeanOfOneValueHasNoReducedChiSquared)
{
    column(1, {10.0});
    column(2, {0.5});
    choose(page->TypObliczenSredniej_ComboBox, 1);
    page->BitBtn6->click();
    EXPECT_EQ(label("Wyniki_WartoscSredniaWazona_WSW_Label"), QStringLiteral("10.0000000000"));
    EXPECT_EQ(label("Wyniki_WartosciCHi2_WSW_Label"), QStringLiteral("----------"));
}

TEST_F(MeanPageTest, SeriesMeanOfTwoColumns)
{
    column(1, {9.0, 11.0});   // mean 10, deviation of the mean 1
    column(2, {10.0, 14.0});  // mean 12, deviation of the mean 2
    choose(page->TypObliczenSredniej_ComboBox, 2);
    page->NrKolumnSredniejWazowejSerii_Edit->setText(QStringLiteral(" a , b"));
    page->BitBtn6->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(page->NrKolumnSredniejWazowejSerii_Edit->text(), QStringLiteral("A,B"));
    EXPECT_EQ(row(0), (QStringList{"Ważona z Serii", "A,B", "----------", "----------",
                                   "10.4000000000", "----------", "0.8944271910", "0.8000000000",
                                   ""}));
    EXPECT_EQ(form().columnTable()[1].SeriesMark, 1);
    EXPECT_EQ(form().columnTable()[2].SeriesMark, 2);
    EXPECT_EQ(form().columnTable()[3].SeriesMark, 0);
}

TEST_F(MeanPageTest, SeriesMessagesForAnEmptyExpressionAndAColumnWithoutData)
{
    choose(page->TypObliczenSredniej_ComboBox, 2);
    page->NrKolumnSredniejWazowejSerii_Edit->setText(QStringLiteral("   "));
    page->BitBtn6->click();
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Błąd średniej ważonej z serii!|Tylko bez żartów !",
                           "Błąd średniej ważonej z serii!|Nieudało określić się prawidłowego "
                           "zakresu kolumn!"}));
    messages.clear();
    column(1, {1.0, 2.0});
    page->NrKolumnSredniejWazowejSerii_Edit->setText(QStringLiteral("A1,C"));
    page->BitBtn6->click();
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Błąd średniej ważonej z serii!|Źle wprowadzone nazwy, lub zakresy "
                           "kolumn!",
                           "Błąd Średniej Ważonej z Serii!|Brak danych w jednej z kolumn ! Lub "
                           "niepoprawny format numeryczny!"}));
    EXPECT_EQ(page->Srednia_ListView->rowCount(), 0);
}

TEST_F(MeanPageTest, PickingARowShowsItAgainInItsPanels)
{
    column(12, {10.0, 12.0});
    column(2, {1.0, 2.0});
    column(1, {3.0, 5.0});
    choose(page->TypObliczenSredniej_ComboBox, 1);
    choose(page->NrKolumnySrednich_SredniejWazowej_ComboBox, 11);
    page->BitBtn6->click();  // weighted: 12 (L) with 2 (B)
    choose(page->TypObliczenSredniej_ComboBox, 0);
    page->BitBtn6->click();  // standard: 1 (A)
    choose(page->NrKolumnySrednich_SredniejWazowej_ComboBox, 0);
    choose(page->NrKolumnyNiepewnosci_SredniejWazowej_ComboBox, 5);

    page->Srednia_ListView->setCurrentIndex(page->Srednia_ListView->model()->index(0, 0));
    EXPECT_EQ(page->TypObliczenSredniej_ComboBox->currentText(), QStringLiteral("Średnia Ważona"));
    EXPECT_TRUE(page->Wyniki_WSW_Panel->isVisibleTo(page));
    EXPECT_FALSE(page->Wyniki_WSS_Panel->isVisibleTo(page));
    EXPECT_EQ(page->NrKolumnySrednich_SredniejWazowej_ComboBox->currentIndex(), 11);
    EXPECT_EQ(page->NrKolumnyNiepewnosci_SredniejWazowej_ComboBox->currentIndex(), 1);
    EXPECT_EQ(label("Wyniki_WartoscSredniaWazona_WSW_Label"), QStringLiteral("10.4000000000"));
}

TEST_F(MeanPageTest, PickingASeriesRowShowsItsExpressionAndLeavesTheColumnPickers)
{
    column(1, {9.0, 11.0});
    column(2, {10.0, 14.0});
    choose(page->TypObliczenSredniej_ComboBox, 2);
    page->NrKolumnSredniejWazowejSerii_Edit->setText(QStringLiteral("a-b"));
    page->BitBtn6->click();
    choose(page->TypObliczenSredniej_ComboBox, 0);
    choose(page->NrKolumnySredniejStandardowej_ComboBox, 1);
    page->BitBtn6->click();
    choose(page->NrKolumnySredniejStandardowej_ComboBox, 4);
    page->NrKolumnSredniejWazowejSerii_Edit->setText(QStringLiteral("C"));

    page->Srednia_ListView->setCurrentIndex(page->Srednia_ListView->model()->index(0, 0));
    EXPECT_EQ(page->TypObliczenSredniej_ComboBox->currentIndex(), 2);
    EXPECT_TRUE(page->Wyniki_WSWZS_Panel->isVisibleTo(page));
    EXPECT_FALSE(page->Wyniki_WSS_Panel->isVisibleTo(page));
    EXPECT_EQ(label("Wyniki_AnalizowanaKolumna_WSWZS_Label"), QStringLiteral("A-B"));
    EXPECT_EQ(label("Wyniki_WartoscSredniaWazona_WSWZS_Label"), QStringLiteral("10.4000000000"));
    EXPECT_EQ(page->NrKolumnySredniejStandardowej_ComboBox->currentIndex(), 4);
    EXPECT_EQ(page->NrKolumnSredniejWazowejSerii_Edit->text(), QStringLiteral("C"));

    page->Srednia_ListView->setCurrentIndex(page->Srednia_ListView->model()->index(1, 0));
    EXPECT_EQ(page->TypObliczenSredniej_ComboBox->currentIndex(), 0);
    EXPECT_EQ(page->NrKolumnySredniejStandardowej_ComboBox->currentIndex(), 1);
    EXPECT_EQ(label("Wynik_AnalizowanaKolumna_WSS_Label"), QStringLiteral("2 (B)"));
}

TEST_F(MeanPageTest, DeletingTheOnlyRowClearsEveryLabelAndKeepsThePanels)
{
    column(1, {3.0, 5.0});
    page->BitBtn6->click();
    page->Delete2Click();
    EXPECT_EQ(page->Srednia_ListView->rowCount(), 0);
    for (QLabel* label : page->findChildren<QLabel*>()) {
        if (label->objectName().endsWith(QLatin1String("_Label"))) {
            EXPECT_EQ(label->text(), QString()) << label->objectName().toStdString();
        }
    }
    EXPECT_TRUE(page->Wyniki_WSS_Panel->isVisibleTo(page));
}

} // namespace
