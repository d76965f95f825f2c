#pragma once
// The page "Wartość Średnia": the standard mean of a column, the weighted mean of a column of
// values with a column of uncertainties, and the weighted mean of several series.
#include "analyses/AnalysisResults.h"

#include <QWidget>
#include <optional>

class ColumnTable;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TF1Book;

namespace tallox {
class ResultList;
}

class MeanPage : public QWidget {
    Q_OBJECT
public:
    MeanPage(TF1Book& sheet, ColumnTable& columns, QWidget* parent = nullptr);

    QComboBox* TypObliczenSredniej_ComboBox = nullptr;
    QPushButton* BitBtn6 = nullptr;
    QFrame* SredniaStandardowa_Panel = nullptr;
    QFrame* SredniaWazona_Panel = nullptr;
    QFrame* SredniaWazonazSerii_Panel = nullptr;
    QFrame* Wyniki_WSS_Panel = nullptr;
    QFrame* Wyniki_WSW_Panel = nullptr;
    QFrame* Wyniki_WSWZS_Panel = nullptr;
    QComboBox* NrKolumnySredniejStandardowej_ComboBox = nullptr;
    QComboBox* NrKolumnySrednich_SredniejWazowej_ComboBox = nullptr;
    QComboBox* NrKolumnyNiepewnosci_SredniejWazowej_ComboBox = nullptr;
    QLineEdit* NrKolumnSredniejWazowejSerii_Edit = nullptr;
    QLabel* Wynik_AnalizowanaKolumna_WSS_Label = nullptr;
    QLabel* Wynik_LiczbaDanych_WSS_Label = nullptr;
    QLabel* Wynik_WartoscSrednia_WSS_Label = nullptr;
    QLabel* Wynik_OdchylenieStandardowePojedynczegoPomiaru_WSS_Label = nullptr;
    QLabel* Wynik_OdchylenieStandardoweWartosciSredniej_WSS_Label = nullptr;
    QLabel* Wyniki_AnalizowanaKolumna_WSW_Label = nullptr;
    QLabel* Wyniki_NiepewnosciKolumna_WSW_Label = nullptr;
    QLabel* Wyniki_LiczbaDanych_WSW_Label = nullptr;
    QLabel* Wyniki_WartoscSredniaWazona_WSW_Label = nullptr;
    QLabel* Wyniki_OdchylenieSredniejWazonej_WSW_Label = nullptr;
    QLabel* Wyniki_WartosciCHi2_WSW_Label = nullptr;
    QLabel* Wyniki_AnalizowanaKolumna_WSWZS_Label = nullptr;
    QLabel* Wyniki_WartoscSredniaWazona_WSWZS_Label = nullptr;
    QLabel* Wyniki_OdchylenieSredniejWazonej_WSWZS_Label = nullptr;
    QLabel* Wyniki_WartosciCHi2_WSWZS_Label = nullptr;
    tallox::ResultList* Srednia_ListView = nullptr;

public slots:
    void TypObliczenSredniej_ComboBoxChange();
    void BitBtn6Click();
    void wartosc_srednia_standardowa();
    void Wartosc_srednia_wazona();
    void Wartosc_srednia_zserii();
    // Reads the column-set expression, writes its normalised text back into the edit and marks
    // the chosen columns; false when the expression could not be understood.
    bool Okreslenie_kolumny();
    void AktualizowanieList_WynikowSredniej();
    void Delete2Click();
    // Empties every result label of the page; the panels keep their visibility.
    void clearResults();

private:
    void buildInputs();
    void buildResults();
    void showPanelsFor(std::optional<tallox::MeanKind> kind);
    // The result's labels, then a new row of the list holding the result.
    void showAndList(const tallox::MeanRow& result);
    // The labels of the result's kind filled from it.
    void showResult(const tallox::MeanRow& result);

    TF1Book& sheet_;
    ColumnTable& columns_;
};
