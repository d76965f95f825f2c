#pragma once
// The page "Planowanie": how many measurements a series needs for its mean to reach a
// required accuracy, from a trial series, a t-Student coefficient and the accuracy.
#include <QWidget>

class ColumnTable;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QFrame;
class TF1Book;

namespace tallox {
class ResultList;
}

class PlanningPage : public QWidget {
    Q_OBJECT
public:
    PlanningPage(TF1Book& sheet, ColumnTable& columns, QWidget* parent = nullptr);

    QComboBox* NrKolumnyPlanowania_ComboBox = nullptr;
    QLineEdit* TStudentValue_Edit = nullptr;
    QLineEdit* DokladnoscPlanowania_Edit = nullptr;
    QPushButton* Planowanie_Button = nullptr;
    QFrame* Planowanie_Panel = nullptr;
    QLabel* Wynik_AnalizowanaKolumna_PL_Label = nullptr;
    QLabel* Wynik_LiczbaDanych_PL_Label = nullptr;
    QLabel* Wynik_WartoscSrednia_PL_Label = nullptr;
    QLabel* Wynik_OdchylenieStandardowe_PL_Label = nullptr;
    QLabel* Wynik_WartoscTStudenta_PL_Label = nullptr;
    QLabel* Wynik_DokladnoscPomiarowa_PL_Label = nullptr;
    QLabel* Wynik_LiczbaPomiarow_PL_Label = nullptr;
    tallox::ResultList* Planowanie_ListView = nullptr;

public slots:
    void Planowanie_ButtonClick();
    void AktualizowanieList_WynikowPlanowania();
    void Delete1Click();
    // Empties the seven result labels.
    void clearResults();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Cleans up the field's number text: on leaving it, and on Enter (then selects all of it).
    void cleanUp(QLineEdit* field);
    QList<QLabel*> resultLabels() const;

    TF1Book& sheet_;
    ColumnTable& columns_;
};
