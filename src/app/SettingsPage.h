#pragma once
// The page "Opcje i ustawienia programu": the settings pages "Użytkownicy", "Liderzy" and
// "Ćwiczenia" with their buttons.
#include <QWidget>

class QPushButton;
class QTabWidget;

class SettingsPage : public QWidget {
    Q_OBJECT
public:
    explicit SettingsPage(QWidget* parent = nullptr);

    QTabWidget* pages = nullptr;
    QWidget* usersPage = nullptr;
    QWidget* leadersPage = nullptr;
    QWidget* exercisesPage = nullptr;
    // "Użytkownicy".
    QPushButton* BitBtn1 = nullptr;  // the users' files location
    QPushButton* AddNewUser_SettingsPanel_Button = nullptr;
    QPushButton* BitBtn14 = nullptr;  // modify a user's entries
    QPushButton* BitBtn13 = nullptr;  // delete a user
    // "Liderzy".
    QPushButton* BitBtn15 = nullptr;
    QPushButton* BitBtn16 = nullptr;
    QPushButton* BitBtn17 = nullptr;
    // "Ćwiczenia".
    QPushButton* AddNewExercise_Button = nullptr;
    QPushButton* ModifyExercise_Button = nullptr;
    QPushButton* DeleteExercise_Button = nullptr;

    // The pages a user of the edition is offered.
    void setPagesVisible(bool visible);
};
