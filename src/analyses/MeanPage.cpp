#include "analyses/MeanPage.h"

#include "analyses/AnalysisSupport.h"
#include "records/ResultList.h"
#include "stats/ColumnSet.h"
#include "stats/SeriesMean.h"
#include "stats/WeightedMean.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

using namespace tallox;

namespace {
// The kind picker's entries.
constexpr std::array kMeanKinds{MeanKind::Standard, MeanKind::Weighted, MeanKind::Series};

QFrame* makePanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    return panel;
}
} // namespace

MeanPage::MeanPage(TF1Book& sheet, ColumnTable& columns, QWidget* parent)
    : QWidget(parent), sheet_(sheet), columns_(columns)
{
    setObjectName(QStringLiteral("SredniaTabSheet"));
    buildInputs();
    buildResults();

    Srednia_ListView = new ResultList(
        QStringLiteral("Srednia_ListView"),
        {QStringLiteral("Średnia"), QStringLiteral("Kolumny Danych"),
         QStringLiteral("Kolumna Niepewności"), QStringLiteral("Liczba Danych"),
         QStringLiteral("Wartość Średnia Xs"), QStringLiteral("Odchylenie sa Xi"),
         QStringLiteral("Odchylenie sa Xs"), QStringLiteral("Chi2")},
        9, this);
    Srednia_ListView->contextMenu()->setObjectName(QStringLiteral("Srednia_PopupMenu"));
    Srednia_ListView->deleteAction()->setObjectName(QStringLiteral("Delete2"));

    auto* top = new QHBoxLayout;
    auto* inputs = new QVBoxLayout;
    auto* typeRow = new QHBoxLayout;
    typeRow->addWidget(addCaption(this, QStringLiteral("Typ Obliczeń")));
    typeRow->addWidget(TypObliczenSredniej_ComboBox, 1);
    inputs->addLayout(typeRow);
    inputs->addWidget(SredniaStandardowa_Panel);
    inputs->addWidget(SredniaWazona_Panel);
    inputs->addWidget(SredniaWazonazSerii_Panel);
    inputs->addWidget(BitBtn6, 0, Qt::AlignLeft);
    inputs->addStretch();
    top->addLayout(inputs);
    top->addSpacing(16);
    auto* results = new QVBoxLayout;
    results->addWidget(Wyniki_WSS_Panel);
    results->addWidget(Wyniki_WSW_Panel);
    results->addWidget(Wyniki_WSWZS_Panel);
    results->addStretch();
    top->addLayout(results, 1);
    auto* page = new QVBoxLayout(this);
    page->addLayout(top);
    page->addWidget(Srednia_ListView, 1);

    SredniaWazona_Panel->hide();
    SredniaWazonazSerii_Panel->hide();
    Wyniki_WSW_Panel->hide();
    Wyniki_WSWZS_Panel->hide();

    connect(TypObliczenSredniej_ComboBox, &QComboBox::activated, this,
            &MeanPage::TypObliczenSredniej_ComboBoxChange);
    connect(BitBtn6, &QPushButton::clicked, this, &MeanPage::BitBtn6Click);
    connect(Srednia_ListView, &ResultList::rowSelected, this,
            &MeanPage::AktualizowanieList_WynikowSredniej);
    connect(Srednia_ListView->deleteAction(), &QAction::triggered, this, &MeanPage::Delete2Click);
}

void MeanPage::buildInputs()
{
    TypObliczenSredniej_ComboBox = makePicker(
        this, "TypObliczenSredniej_ComboBox",
        {QStringLiteral("Średnia Standardowa"), QStringLiteral("Średnia Ważona"),
         QStringLiteral("Średnia Ważona z Serii")},
        0);
    BitBtn6 = new QPushButton(QStringLiteral("Obliczaj"), this);
    BitBtn6->setObjectName(QStringLiteral("BitBtn6"));
    BitBtn6->setMinimumWidth(120);

    SredniaStandardowa_Panel = makePanel(this, "SredniaStandardowa_Panel");
    auto* standard = new QGridLayout(SredniaStandardowa_Panel);
    NrKolumnySredniejStandardowej_ComboBox = makePicker(
        SredniaStandardowa_Panel, "NrKolumnySredniejStandardowej_ComboBox", sheetColumnLetters(), 0);
    standard->addWidget(addCaption(SredniaStandardowa_Panel, QStringLiteral("z kolumny nr")), 0, 0);
    standard->addWidget(NrKolumnySredniejStandardowej_ComboBox, 0, 1);
    standard->setColumnStretch(2, 1);

    SredniaWazona_Panel = makePanel(this, "SredniaWazona_Panel");
    auto* weighted = new QGridLayout(SredniaWazona_Panel);
    NrKolumnySrednich_SredniejWazowej_ComboBox = makePicker(
        SredniaWazona_Panel, "NrKolumnySrednich_SredniejWazowej_ComboBox", sheetColumnLetters(), 0);
    NrKolumnyNiepewnosci_SredniejWazowej_ComboBox =
        makePicker(SredniaWazona_Panel, "NrKolumnyNiepewnosci_SredniejWazowej_ComboBox",
                   sheetColumnLetters(), 1);
    weighted->addWidget(addCaption(SredniaWazona_Panel, QStringLiteral("średnie w kolumnie")), 0, 0);
    weighted->addWidget(NrKolumnySrednich_SredniejWazowej_ComboBox, 0, 1);
    weighted->addWidget(addCaption(SredniaWazona_Panel, QStringLiteral("niepewności w kolumnie")),
                        1, 0);
    weighted->addWidget(NrKolumnyNiepewnosci_SredniejWazowej_ComboBox, 1, 1);
    weighted->setColumnStretch(2, 1);

    SredniaWazonazSerii_Panel = makePanel(this, "SredniaWazonazSerii_Panel");
    auto* series = new QGridLayout(SredniaWazonazSerii_Panel);
    NrKolumnSredniejWazowejSerii_Edit =
        new QLineEdit(QStringLiteral("A,D,K-N"), SredniaWazonazSerii_Panel);
    NrKolumnSredniejWazowejSerii_Edit->setObjectName(QStringLiteral("NrKolumnSredniejWazowejSerii_Edit"));
    series->addWidget(addCaption(SredniaWazonazSerii_Panel, QStringLiteral("z kolumn nr")), 0, 0);
    series->addWidget(NrKolumnSredniejWazowejSerii_Edit, 0, 1);
    int row = 1;
    for (const QString& help : {QStringLiteral("Wstaw nazwy (litery) kolumn lub ich zakresy"),
                                QStringLiteral("oddzielone przecinkami, np. A, D, K-N."),
                                QStringLiteral("Program przyjmuje duże i małe litery.")}) {
        QLabel* line = addCaption(SredniaWazonazSerii_Panel, help);
        line->setForegroundRole(QPalette::PlaceholderText);
        series->addWidget(line, row++, 0, 1, 2);
    }
}

void MeanPage::buildResults()
{
    Wyniki_WSS_Panel = makePanel(this, "Wyniki_WSS_Panel");
    auto* standard = new QGridLayout(Wyniki_WSS_Panel);
    Wynik_AnalizowanaKolumna_WSS_Label = addResultRow(
        standard, QStringLiteral("Analizowana kolumna danych:"), "Wynik_AnalizowanaKolumna_WSS_Label");
    Wynik_LiczbaDanych_WSS_Label = addResultRow(standard, QStringLiteral("Liczba danych wynosi:"),
                                                "Wynik_LiczbaDanych_WSS_Label");
    Wynik_WartoscSrednia_WSS_Label =
        addResultRow(standard, QStringLiteral("Wartość Średnia Standardowa wynosi:"),
                     "Wynik_WartoscSrednia_WSS_Label");
    Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label =
        addResultRow(standard, QStringLiteral("Odchylenie standardowe pojedynczego pomiaru:"),
                     "Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label");
    Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label = addResultRow(
        standard, QStringLiteral("Odchylenie standardowe Wartości Średniej Standardowej:"),
        "Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label");

    Wyniki_WSW_Panel = makePanel(this, "Wyniki_WSW_Panel");
    auto* weighted = new QGridLayout(Wyniki_WSW_Panel);
    Wyniki_AnalizowanaKolumna_WSW_Label = addResultRow(
        weighted, QStringLiteral("Analizowana kolumna danych:"), "Wyniki_AnalizowanaKolumna_WSW_Label");
    Wyniki_NiepewnosciKolumna_WSW_Label = addResultRow(
        weighted, QStringLiteral("Niepewności w kolumnie:"), "Wyniki_NiepewnosciKolumna_WSW_Label");
    Wyniki_LiczbaDanych_WSW_Label = addResultRow(
        weighted, QStringLiteral("Liczba wartości średnich wynosi:"), "Wyniki_LiczbaDanych_WSW_Label");
    Wyniki_WartoscSredniaWazona_WSW_Label =
        addResultRow(weighted, QStringLiteral("Wartość Średnia Ważona wynosi:"),
                     "Wyniki_WartoscSredniaWazona_WSW_Label");
    Wyniki_OdchylenieSredniejWazonej_WSW_Label =
        addResultRow(weighted, QStringLiteral("Odchylenie standardowe Średniej Ważonej:"),
                     "Wyniki_OdchylenieSredniejWazonej_WSW_Label");
    Wyniki_WartosciCHi2_WSW_Label = addResultRow(weighted, QStringLiteral("Wartość testu Chi^2:"),
                                                 "Wyniki_WartosciCHi2_WSW_Label");

    Wyniki_WSWZS_Panel = makePanel(this, "Wyniki_WSWZS_Panel");
    auto* series = new QGridLayout(Wyniki_WSWZS_Panel);
    Wyniki_AnalizowanaKolumna_WSWZS_Label =
        addResultRow(series, QStringLiteral("Analizowane kolumny danych:"),
                     "Wyniki_AnalizowanaKolumna_WSWZS_Label");
    Wyniki_WartoscSredniaWazona_WSWZS_Label =
        addResultRow(series, QStringLiteral("Wartość Średnia Ważona z Serii wynosi:"),
                     "Wyniki_WartoscSredniaWazona_WSWZS_Label");
    Wyniki_OdchylenieSredniejWazonej_WSWZS_Label =
        addResultRow(series, QStringLiteral("Odchylenie standardowe Średniej Ważonej z Serii:"),
                     "Wyniki_OdchylenieSredniejWazonej_WSWZS_Label");
    Wyniki_WartosciCHi2_WSWZS_Label = addResultRow(series, QStringLiteral("Wartość testu Chi^2:"),
                                                   "Wyniki_WartosciCHi2_WSWZS_Label");
}

void MeanPage::showPanelsFor(std::optional<MeanKind> kind)
{
    for (QFrame* panel : {SredniaStandardowa_Panel, SredniaWazona_Panel, SredniaWazonazSerii_Panel,
                          Wyniki_WSS_Panel, Wyniki_WSW_Panel, Wyniki_WSWZS_Panel})
        panel->hide();
    if (!kind)
        return;
    switch (*kind) {
    case MeanKind::Standard:
        SredniaStandardowa_Panel->show();
        Wyniki_WSS_Panel->show();
        break;
    case MeanKind::Weighted:
        SredniaWazona_Panel->show();
        Wyniki_WSW_Panel->show();
        break;
    case MeanKind::Series:
        SredniaWazonazSerii_Panel->show();
        Wyniki_WSWZS_Panel->show();
        break;
    }
}

void MeanPage::TypObliczenSredniej_ComboBoxChange()
{
    showPanelsFor(choiceAt(kMeanKinds, TypObliczenSredniej_ComboBox->currentIndex()));
}

void MeanPage::BitBtn6Click()
{
    const std::optional<MeanKind> kind = choiceAt(kMeanKinds, TypObliczenSredniej_ComboBox->currentIndex());
    if (!kind)
        return;
    switch (*kind) {
    case MeanKind::Standard: wartosc_srednia_standardowa(); break;
    case MeanKind::Weighted: Wartosc_srednia_wazona(); break;
    case MeanKind::Series: Wartosc_srednia_zserii(); break;
    }
}

void MeanPage::showAndList(const MeanRow& result)
{
    showResult(result);
    Srednia_ListView->appendRow(rowTexts(result), QVariant::fromValue(result));
    Srednia_ListView->setFocus();
}

void MeanPage::wartosc_srednia_standardowa()
{
    const int c = NrKolumnySredniejStandardowej_ComboBox->currentIndex() + 1;
    if (!Obliczenie_wartosci_sredniej_dlakolumny(sheet_, columns_, c)) {
        showAnalysisMessage(QStringLiteral("Błąd Średniej Standardowej!"),
                            QStringLiteral("Brak danych w kolumnie!  Lub niepoprawny format numeryczny!"));
        return;
    }
    const ColumnRecord& record = columns_[c];
    showAndList(MeanResult{c, record.NumericCount, record.Mean, record.StdDevSingle, record.StdDevMean});
}

void MeanPage::Wartosc_srednia_wazona()
{
    const int p = NrKolumnySrednich_SredniejWazowej_ComboBox->currentIndex() + 1;
    const int q = NrKolumnyNiepewnosci_SredniejWazowej_ComboBox->currentIndex() + 1;
    if (!Obliczenie_wartosci_sredniej_dlakolumny(sheet_, columns_, p)) {
        showAnalysisMessage(stats::weightedMeanMessage(stats::WeightedMeanNoticeKind::NoData));
        return;
    }
    const int last = columns_[p].LastNumericRow;
    const std::vector<stats::Cell> values = columnCells(sheet_, p, last);
    const std::vector<stats::Cell> uncertainties = columnCells(sheet_, q, last);
    const stats::WeightedMeanOutcome outcome = stats::weightedMean(values, uncertainties);
    for (const stats::WeightedMeanNotice& notice : outcome.notices)
        showAnalysisMessage(stats::weightedMeanMessage(notice.kind));
    if (!outcome.result)
        return;

    const stats::WeightedMeanResult& r = *outcome.result;
    showAndList(WeightedMeanResult{p, q, columns_[p].NumericCount, r.mean, r.stdDev,
                                   r.reducedChiSquared});
}

bool MeanPage::Okreslenie_kolumny()
{
    const stats::ColumnSetParse parse =
        stats::parseColumnSet(NrKolumnSredniejWazowejSerii_Edit->text().toStdString());
    NrKolumnSredniejWazowejSerii_Edit->setText(fromUtf8(parse.editText));
    // Every notice but the last word of a failure, which the series run gives itself.
    for (const stats::ColumnSetNoticeKind notice : parse.notices)
        if (notice != stats::ColumnSetNoticeKind::Unparsable)
            showAnalysisMessage(stats::columnSetMessage(notice));
    for (const int column : parse.columns)
        columns_[column].SeriesMark = std::uint8_t(column);
    return parse.ok;
}

void MeanPage::Wartosc_srednia_zserii()
{
    for (int column = 1; column <= sheetColumns; ++column)
        columns_[column].SeriesMark = 0;
    if (!Okreslenie_kolumny()) {
        showAnalysisMessage(stats::columnSetMessage(stats::ColumnSetNoticeKind::Unparsable));
        return;
    }
    std::vector<stats::StandardMean> series;
    for (int column = 1; column <= sheetColumns; ++column) {
        if (columns_[column].SeriesMark == 0)
            continue;
        if (!Obliczenie_wartosci_sredniej_dlakolumny(sheet_, columns_, column)) {
            showAnalysisMessage(stats::seriesNoDataMessage());
            return;
        }
        const ColumnRecord& record = columns_[column];
        series.push_back({record.NumericCount, record.Mean, record.StdDevSingle, record.StdDevMean,
                          record.Weight});
    }
    const stats::SeriesMean result = stats::seriesWeightedMean(series);
    showAndList(SeriesMeanResult{NrKolumnSredniejWazowejSerii_Edit->text(), result.mean,
                                 result.stdDev, result.chiSquared});
}

void MeanPage::showResult(const MeanRow& result)
{
    const QStringList texts = rowTexts(result);
    switch (kindOf(result)) {
    case MeanKind::Standard:
        Wynik_AnalizowanaKolumna_WSS_Label->setText(texts[1]);
        Wynik_LiczbaDanych_WSS_Label->setText(texts[3]);
        Wynik_WartoscSrednia_WSS_Label->setText(texts[4]);
        Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label->setText(texts[5]);
        Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label->setText(texts[6]);
        break;
    case MeanKind::Weighted:
        Wyniki_AnalizowanaKolumna_WSW_Label->setText(texts[1]);
        Wyniki_NiepewnosciKolumna_WSW_Label->setText(texts[2]);
        Wyniki_LiczbaDanych_WSW_Label->setText(texts[3]);
        Wyniki_WartoscSredniaWazona_WSW_Label->setText(texts[4]);
        Wyniki_OdchylenieSredniejWazonej_WSW_Label->setText(texts[6]);
        Wyniki_WartosciCHi2_WSW_Label->setText(texts[7]);
        break;
    case MeanKind::Series:
        Wyniki_AnalizowanaKolumna_WSWZS_Label->setText(texts[1]);
        Wyniki_WartoscSredniaWazona_WSWZS_Label->setText(texts[4]);
        Wyniki_OdchylenieSredniejWazonej_WSWZS_Label->setText(texts[6]);
        Wyniki_WartosciCHi2_WSWZS_Label->setText(texts[7]);
        break;
    }
}

void MeanPage::clearResults()
{
    for (QLabel* label :
         {Wynik_AnalizowanaKolumna_WSS_Label, Wynik_LiczbaDanych_WSS_Label,
          Wynik_WartoscSrednia_WSS_Label, Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label,
          Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label, Wyniki_AnalizowanaKolumna_WSW_Label,
          Wyniki_NiepewnosciKolumna_WSW_Label, Wyniki_LiczbaDanych_WSW_Label,
          Wyniki_WartoscSredniaWazona_WSW_Label, Wyniki_OdchylenieSredniejWazonej_WSW_Label,
          Wyniki_WartosciCHi2_WSW_Label, Wyniki_AnalizowanaKolumna_WSWZS_Label,
          Wyniki_WartoscSredniaWazona_WSWZS_Label, Wyniki_OdchylenieSredniejWazonej_WSWZS_Label,
          Wyniki_WartosciCHi2_WSWZS_Label})
        label->clear();
}

void MeanPage::AktualizowanieList_WynikowSredniej()
{
    const int row = Srednia_ListView->focusedRow();
    if (Srednia_ListView->rowCount() == 0 || row < 0) {
        clearResults();
        return;
    }
    const std::optional<MeanRow> result = Srednia_ListView->resultAs<MeanRow>(row);
    if (!result)
        return;
    const MeanKind kind = kindOf(*result);
    TypObliczenSredniej_ComboBox->setCurrentIndex(choiceIndex(kMeanKinds, kind));
    showPanelsFor(kind);
    showResult(*result);
    // The column pickers are set so that running again repeats the picked analysis; the
    // column-set field of a series is left as it is.
    if (const auto* standard = std::get_if<MeanResult>(&*result)) {
        NrKolumnySredniejStandardowej_ComboBox->setCurrentIndex(standard->column - 1);
    } else if (const auto* weighted = std::get_if<WeightedMeanResult>(&*result)) {
        NrKolumnySrednich_SredniejWazowej_ComboBox->setCurrentIndex(weighted->column - 1);
        NrKolumnyNiepewnosci_SredniejWazowej_ComboBox->setCurrentIndex(weighted->uncertaintyColumn - 1);
    }
}

void MeanPage::Delete2Click()
{
    Srednia_ListView->deleteFocusedRow();
    AktualizowanieList_WynikowSredniej();
}
