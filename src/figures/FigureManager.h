#pragma once
// Creating, accepting, showing, hiding and removing the current figure: the figure list, the data
// column lists, "Wykres widoczny" and "Regresja widoczna", and the buttons "Dodaj Wykres", "Usuń"
// and "Akceptuj Ustawienia". Loading a figure's points hands over to the uncertainty groups,
// which rebuild its boxes.
//
// A list's change handler answers a user's choice only: code that selects an entry does not run it.
#include <QStringList>
#include <QWidget>

class ColumnTable;
class QComboBox;
class QLabel;
class QPushButton;
class TF1Book;

namespace tallox {

class Chart;
class ControlGroups;
class FigureTable;
class FittedLine;
class UncertaintyPanel;

class FigureManager : public QWidget {
    Q_OBJECT
public:
    FigureManager(TF1Book& sheet, ColumnTable& columns, FigureTable& figures, Chart& chart,
                  FittedLine& fittedLine, UncertaintyPanel& uncertainties, ControlGroups& groups,
                  QWidget* parent = nullptr);

    // The slot chosen in NrWykresu_ComboBox, -1 when none is chosen.
    int currentSlot() const;
    // The entries of the figure list ("1").
    QStringList figureNumbers() const;
    // "Akceptuj Ustawienia" stands below the uncertainty and style groups: the page places it.
    QPushButton* acceptButton() const { return Akceptuj_Button; }

    // Accepts the current figure's settings: data columns from the lists, a check that both
    // columns hold numbers, the points loaded, the fitted line hidden.
    void Obsluga_Akceptacji_Wykresu();
    // Loads the current figure's points from rows 1 to 200 and rebuilds its boxes.
    void Akceptacja_Wykresu();
    void Obsluga_ComboBoxaKolumnyDanychX(int index);
    void Obsluga_ComboBoxaKolumnyDanychY(int index);

    // A figure exists: created and not removed since ("Usuń" is enabled).
    bool figurePresent() const;

    // The slot's recorded fit drawn with its printed results, and "Regresja widoczna" on "Tak".
    void showFittedLine(int slot);

public slots:
    void AddFigure_ButtonClick();
    void RemoveFigure_ButtonClick();
    void Akceptuj_ButtonClick();
    void NrKolumnyDanychX_ComboBoxChange();
    void NrKolumnyDanychY_ComboBoxChange();
    void WidocznyWykres_ComboBoxChange();
    void WidocznaRegresja_ComboBoxChange();

signals:
    // A figure was created (true) or removed (false): the figure options sub-pages follow.
    void figurePresenceChanged(bool present);

private:
    void buildControls();
    void setStartState();
    void loadPoints(int slot);

    TF1Book& sheet_;
    ColumnTable& columns_;
    FigureTable& figures_;
    Chart& chart_;
    FittedLine& fittedLine_;
    UncertaintyPanel& uncertainties_;
    ControlGroups& groups_;

    QLabel* AktuWykres_Label = nullptr;
    QComboBox* NrWykresu_ComboBox = nullptr;
    QPushButton* AddFigure_Button = nullptr;
    QPushButton* RemoveFigure_Button = nullptr;
    QPushButton* Akceptuj_Button = nullptr;
    QLabel* Dane_Label = nullptr;
    QLabel* OsOdcietych_Label = nullptr;
    QLabel* OsRzednych_Label = nullptr;
    QComboBox* NrKolumnyDanychX_ComboBox = nullptr;
    QComboBox* NrKolumnyDanychY_ComboBox = nullptr;
    QLabel* WykresWidoczny_Label = nullptr;
    QComboBox* WidocznyWykres_ComboBox = nullptr;
    QLabel* RegresjaWidoczna_Label = nullptr;
    QComboBox* WidocznaRegresja_ComboBox = nullptr;
};

}  // namespace tallox
