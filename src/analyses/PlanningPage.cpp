#include "analyses/PlanningPage.h"

#include "analyses/AnalysisResults.h"
#include "analyses/AnalysisSupport.h"
#include "records/ResultList.h"
#include "stats/NumberText.h"
#include "stats/Planning.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tallox;

PlanningPage::PlanningPage(TF1Book& sheet, ColumnTable& columns, QWidget* parent)
    : QWidget(parent), sheet_(sheet), columns_(columns)
{
    setObjectName(QStringLiteral("PlanowanieTabSheet"));
    auto* heading = new QLabel(QStringLiteral("Szacowanie Minimalnej Liczby Pomiarów do Serii"), this);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
    heading->setFont(headingFont);

    NrKolumnyPlanowania_ComboBox =
        makePicker(this, "NrKolumnyPlanowania_ComboBox", sheetColumnLetters(), 0);
    TStudentValue_Edit = new QLineEdit(QStringLiteral("2.6"), this);
    TStudentValue_Edit->setObjectName(QStringLiteral("TStudentValue_Edit"));
    DokladnoscPlanowania_Edit = new QLineEdit(QStringLiteral("0.2"), this);
    DokladnoscPlanowania_Edit->setObjectName(QStringLiteral("DokladnoscPlanowania_Edit"));
    Planowanie_Button = new QPushButton(QStringLiteral("Szacuj "), this);
    Planowanie_Button->setObjectName(QStringLiteral("Planowanie_Button"));
    Planowanie_Button->setMinimumWidth(120);

    auto* inputs = new QGridLayout;
    inputs->addWidget(addCaption(this, QStringLiteral("z kolumny nr")), 0, 0);
    inputs->addWidget(NrKolumnyPlanowania_ComboBox, 0, 1);
    auto* tCaption = new QVBoxLayout;
    tCaption->setSpacing(0);
    tCaption->addWidget(addCaption(this, QStringLiteral("Współczynnik t-Studenta")));
    tCaption->addWidget(addCaption(this, QStringLiteral("(poziom ufności)")));
    inputs->addLayout(tCaption, 1, 0);
    inputs->addWidget(TStudentValue_Edit, 1, 1);
    inputs->addWidget(addCaption(this, QStringLiteral("Dokładność pomiaru")), 2, 0);
    inputs->addWidget(DokladnoscPlanowania_Edit, 2, 1);
    inputs->addWidget(Planowanie_Button, 3, 0, 1, 2, Qt::AlignLeft);
    inputs->setRowStretch(4, 1);

    Planowanie_Panel = new QFrame(this);
    Planowanie_Panel->setObjectName(QStringLiteral("Planowanie_Panel"));
    Planowanie_Panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    auto* results = new QGridLayout(Planowanie_Panel);
    Wynik_AnalizowanaKolumna_PL_Label = addResultRow(
        results, QStringLiteral("Analizowana kolumna danych:"), "Wynik_AnalizowanaKolumna_PL_Label");
    Wynik_LiczbaDanych_PL_Label = addResultRow(results, QStringLiteral("Liczba danych wynosi:"),
                                               "Wynik_LiczbaDanych_PL_Label");
    Wynik_WartoscSrednia_PL_Label = addResultRow(results, QStringLiteral("Wartość średnia wynosi:"),
                                                 "Wynik_WartoscSrednia_PL_Label");
    Wynik_OdchylenieStandardowe_PL_Label =
        addResultRow(results, QStringLiteral("Odchylenie standardowe pojedynczego pomiaru:"),
                     "Wynik_OdchylenieStandardowe_PL_Label");
    Wynik_WartoscTStudenta_PL_Label =
        addResultRow(results, QStringLiteral("Przyjęta krytyczna wartość t-Studenta:"),
                     "Wynik_WartoscTStudenta_PL_Label");
    Wynik_DokladnoscPomiarowa_PL_Label =
        addResultRow(results, QStringLiteral("Przyjęta dokładność pomiarowa wynosi:"),
                     "Wynik_DokladnoscPomiarowa_PL_Label");
    Wynik_LiczbaPomiarow_PL_Label =
        addResultRow(results, QStringLiteral("Minimalna liczba pomiarów do próby wynosi:"),
                     "Wynik_LiczbaPomiarow_PL_Label");

    Planowanie_ListView = new ResultList(
        QStringLiteral("Planowanie_ListView"),
        {QStringLiteral("Kolumna"), QStringLiteral("Współczynnik t-Studenta"),
         QStringLiteral("Dokładność"), QStringLiteral("Liczba Danych"),
         QStringLiteral("Wartość Średnia"), QStringLiteral("sa"), QStringLiteral("Liczba Pomiarów")},
        7, this);
    Planowanie_ListView->contextMenu()->setObjectName(QStringLiteral("Planowanie_PopupMenu"));
    Planowanie_ListView->deleteAction()->setObjectName(QStringLiteral("Delete1"));

    auto* top = new QHBoxLayout;
    top->addLayout(inputs);
    top->addSpacing(16);
    top->addWidget(Planowanie_Panel, 1, Qt::AlignTop);
    auto* page = new QVBoxLayout(this);
    page->addWidget(heading);
    page->addLayout(top);
    page->addWidget(Planowanie_ListView, 1);

    for (QLineEdit* field : {TStudentValue_Edit, DokladnoscPlanowania_Edit}) {
        field->installEventFilter(this);
        field->setMouseTracking(true);
    }
    connect(Planowanie_Button, &QPushButton::clicked, this, &PlanningPage::Planowanie_ButtonClick);
    connect(Planowanie_ListView, &ResultList::rowSelected, this,
            &PlanningPage::AktualizowanieList_WynikowPlanowania);
    connect(Planowanie_ListView->deleteAction(), &QAction::triggered, this,
            &PlanningPage::Delete1Click);
}

void PlanningPage::cleanUp(QLineEdit* field)
{
    field->setText(fromUtf8(stats::cleanNumberText(field->text().toStdString())));
}

bool PlanningPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && (field == TStudentValue_Edit || field == DokladnoscPlanowania_Edit)) {
        switch (event->type()) {
        case QEvent::FocusOut:
            cleanUp(field);
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                cleanUp(field);
                field->selectAll();
                return true;
            }
            break;
        }
        case QEvent::MouseMove:
            // Pointing at the field is enough to start typing a new value.
            if (!field->hasFocus()) {
                field->setFocus();
                field->selectAll();
            }
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PlanningPage::Planowanie_ButtonClick()
{
    const int c = NrKolumnyPlanowania_ComboBox->currentIndex() + 1;
    if (!Obliczenie_wartosci_sredniej_dlakolumny(sheet_, columns_, c)) {
        showAnalysisMessage(stats::planningNoDataMessage());
        return;
    }
    // The fields are read without their blanks; the labels show them as typed.
    auto read = [](const QLineEdit* field) {
        QString text = field->text();
        text.remove(u' ');
        return stats::convertNumber(text.toStdString());
    };
    const stats::NumberConversion t = read(TStudentValue_Edit);
    if (!t.ok()) {
        showAnalysisMessage(stats::planningBadTStudentMessage());
        return;
    }
    const stats::NumberConversion d = read(DokladnoscPlanowania_Edit);
    if (!d.ok()) {
        showAnalysisMessage(stats::planningBadAccuracyMessage());
        return;
    }
    const ColumnRecord& record = columns_[c];
    const stats::PlanningResult plan = stats::planMeasurements(t.value, record.StdDevSingle, d.value);
    if (!plan.count) {
        showAnalysisMessage(stats::planningZeroAccuracyMessage());
        return;
    }
    const PlanningResult result{c,
                                TStudentValue_Edit->text(),
                                DokladnoscPlanowania_Edit->text(),
                                record.NumericCount,
                                record.Mean,
                                record.StdDevSingle,
                                *plan.count};
    const QStringList texts = rowTexts(result);
    const QList<QLabel*> labels = resultLabels();
    for (int k = 0; k < labels.size(); ++k)
        labels[k]->setText(texts[k]);
    Planowanie_ListView->appendRow(texts, QVariant::fromValue(result));
    Planowanie_ListView->setFocus();
}

// In the order of the row's sub-items.
QList<QLabel*> PlanningPage::resultLabels() const
{
    return {Wynik_AnalizowanaKolumna_PL_Label, Wynik_WartoscTStudenta_PL_Label,
            Wynik_DokladnoscPomiarowa_PL_Label, Wynik_LiczbaDanych_PL_Label,
            Wynik_WartoscSrednia_PL_Label, Wynik_OdchylenieStandardowe_PL_Label,
            Wynik_LiczbaPomiarow_PL_Label};
}

void PlanningPage::clearResults()
{
    for (QLabel* label : resultLabels())
        label->clear();
}

void PlanningPage::AktualizowanieList_WynikowPlanowania()
{
    const int row = Planowanie_ListView->focusedRow();
    if (Planowanie_ListView->rowCount() == 0 || row < 0) {
        clearResults();
        return;
    }
    const std::optional<PlanningResult> result = Planowanie_ListView->resultAs<PlanningResult>(row);
    if (!result)
        return;
    const QStringList texts = rowTexts(*result);
    const QList<QLabel*> labels = resultLabels();
    for (int k = 0; k < labels.size(); ++k)
        labels[k]->setText(texts[k]);
    // Running the planning again repeats the picked analysis.
    TStudentValue_Edit->setText(result->tStudent);
    DokladnoscPlanowania_Edit->setText(result->accuracy);
    NrKolumnyPlanowania_ComboBox->setCurrentIndex(result->column - 1);
}

void PlanningPage::Delete1Click()
{
    Planowanie_ListView->deleteFocusedRow();
    AktualizowanieList_WynikowPlanowania();
}
