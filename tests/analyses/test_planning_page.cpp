// The page "Planowanie": how many measurements a series needs.
#include "analyses/PlanningPage.h"
#include "records/ResultList.h"
#include "support/fixture.h"
#include "worksheet/TF1Book.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

class PlanningPageTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        page = form().findChild<PlanningPage*>();
        ASSERT_NE(page, nullptr);
    }
    // A trial series a, a+step, a+2*step has the deviation of a single measurement step.
    void trialSeries(int col, double a, double step)
    {
        for (int i = 0; i < 3; ++i)
            form().F1Book1->setCellNumber(i + 1, col, a + i * step);
        page->NrKolumnyPlanowania_ComboBox->setCurrentIndex(col - 1);
    }
    QString estimate(const QString& t, const QString& d)
    {
        page->TStudentValue_Edit->setText(t);
        page->DokladnoscPlanowania_Edit->setText(d);
        page->Planowanie_Button->click();
        return page->Wynik_LiczbaPomiarow_PL_Label->text();
    }
    void leave(QLineEdit* field)
    {
        QFocusEvent out(QEvent::FocusOut);
        QCoreApplication::sendEvent(field, &out);
    }
    PlanningPage* page = nullptr;
};

TEST_F(PlanningPageTest, WorkedCases)
{
    trialSeries(1, 1.0, 0.5);
    EXPECT_EQ(estimate("2.6", "0.2"), QStringLiteral("42"));  // Q = 42.25
    trialSeries(2, 1.0, 0.25);
    EXPECT_EQ(estimate("2", "0.2"), QStringLiteral("6"));     // Q = 6.25
    trialSeries(3, 1.0, 0.26);
    EXPECT_EQ(estimate("2", "0.2"), QStringLiteral("7"));     // Q = 6.76
    trialSeries(4, 3.0, 0.0);
    EXPECT_EQ(estimate("2.6", "0.2"), QStringLiteral("1"));   // no scatter
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(page->Planowanie_ListView->rowCount(), 4);
}

TEST_F(PlanningPageTest, LabelsAndRowShowTheFieldsAsTyped)
{
    trialSeries(3, 1.0, 0.5);
    estimate(QStringLiteral(" 2.6 "), QStringLiteral("0.2"));
    EXPECT_EQ(page->Wynik_WartoscTStudenta_PL_Label->text(), QStringLiteral(" 2.6 "));
    EXPECT_EQ(page->Wynik_AnalizowanaKolumna_PL_Label->text(), QStringLiteral("3 (C)"));
    EXPECT_EQ(page->Wynik_WartoscSrednia_PL_Label->text(), QStringLiteral("1.5000000000"));
    EXPECT_EQ(page->Wynik_OdchylenieStandardowe_PL_Label->text(), QStringLiteral("0.5000000000"));
    QStringList row;
    for (int k = 0; k < 7; ++k)
        row << page->Planowanie_ListView->subItem(0, k);
    EXPECT_EQ(row, (QStringList{"3 (C)", " 2.6 ", "0.2", "3", "1.5000000000", "0.5000000000", "42"}));
}

TEST_F(PlanningPageTest, FieldsAreCleanedUpOnLeavingAndOnEnter)
{
    page->TStudentValue_Edit->setText(QStringLiteral("2,6"));
    leave(page->TStudentValue_Edit);
    EXPECT_EQ(page->TStudentValue_Edit->text(), QStringLiteral("2.6"));
    page->DokladnoscPlanowania_Edit->setText(QStringLiteral("-0.2"));
    pressKey(page->DokladnoscPlanowania_Edit, Qt::Key_Return);
    EXPECT_EQ(page->DokladnoscPlanowania_Edit->text(), QStringLiteral("0.2"));
    EXPECT_EQ(page->DokladnoscPlanowania_Edit->selectedText(), QStringLiteral("0.2"));
}

TEST_F(PlanningPageTest, RefusalsLeaveEverythingAsItWas)
{
    estimate("2.6", "0.2");
    trialSeries(1, 1.0, 0.5);
    estimate("2.6a", "0.2");
    estimate("2.6", "abc");
    estimate("2.6", "0");
    EXPECT_EQ(boxes(), (std::vector<QString>{
                           "Błąd Szacowania !|Brak danych w kolumnie !  Lub niepoprawny format "
                           "numeryczny!",
                           "Błąd Szacowania !|Błędny zapis poziomu ufności !",
                           "Błąd Szacowania !|Niepoprawny format dokładności !",
                           "Błąd Szacowania !|Dokładność pomiaru musi być różna od zera !"}));
    EXPECT_EQ(page->Planowanie_ListView->rowCount(), 0);
    EXPECT_EQ(page->Wynik_LiczbaPomiarow_PL_Label->text(), QString());
}

TEST_F(PlanningPageTest, PickingARowRestoresItsInputs)
{
    trialSeries(12, 1.0, 0.5);
    estimate("2.6", "0.2");
    trialSeries(1, 1.0, 0.25);
    estimate("2", "0.1");
    page->Planowanie_ListView->setCurrentIndex(page->Planowanie_ListView->model()->index(0, 0));
    EXPECT_EQ(page->NrKolumnyPlanowania_ComboBox->currentIndex(), 11);
    EXPECT_EQ(page->TStudentValue_Edit->text(), QStringLiteral("2.6"));
    EXPECT_EQ(page->DokladnoscPlanowania_Edit->text(), QStringLiteral("0.2"));
    EXPECT_EQ(page->Wynik_LiczbaPomiarow_PL_Label->text(), QStringLiteral("42"));
}

TEST_F(PlanningPageTest, CaptionsRepeatAfterDeletions)
{
    trialSeries(1, 1.0, 0.5);
    for (int i = 0; i < 3; ++i)
        estimate("2.6", "0.2");
    page->Planowanie_ListView->setCurrentIndex(page->Planowanie_ListView->model()->index(1, 0));
    page->Delete1Click();
    estimate("2.6", "0.2");
    QStringList captions;
    for (int r = 0; r < page->Planowanie_ListView->rowCount(); ++r)
        captions << page->Planowanie_ListView->caption(r);
    EXPECT_EQ(captions, (QStringList{"1", "3", "3"}));
}

} // namespace
