#pragma once
// The user registry's commands: adding, modifying and deleting users (TForm7), choosing the
// users' home folder (TForm6), opening a user (TForm8) and the main window's three recent menus.
#include <QList>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QComboBox;
class TForm6;
class TForm7;
class TForm8;
namespace tallox {
class PanelStatusBar;
}

namespace tallox::users {

// What the registry reads and changes in the main window.
struct MainWindowPlaces {
    const QString& programFolder;
    QString& usersHomeFolder;
    PanelStatusBar& status;                // 0 data file, 1 user, 2 user's folder
    QList<QAction*> userItems, dataItems, analysisItems;  // nine items each
    QList<QAction*> openUserCommands;      // enabled once the user menu holds a name
    std::function<void(const QString& userFolder)> userOpened;  // the file dialogs follow
};

class UserRegistry : public QObject {
    Q_OBJECT
public:
    UserRegistry(MainWindowPlaces places, TForm6& form6, TForm7& form7, TForm8& form8,
                 QObject* parent = nullptr);

    QString userListFile() const;
    QString majorListFile() const;
    QString groupListFile() const;
    QString userFolder(const QString& user) const;

    // Main-window entry points.
    void NowyUser1Click();
    void AddNewUser_SettingsPanel_ButtonClick();
    void showUserDialogForChanges();  // "Modyfikuj wpisy Użytkownika", "Usuń Użytkownika"
    void OpenUsers_ToolButtonClick();
    void OpenUsers_MenuClick();
    void showLocationDialog(bool modal);

    // TForm7.
    void Operacja_DodaniaUsera();
    void DodajUsera_UsersButtonClick();
    void Modyfikacja_Wpisow_Uzytkownikow();
    void DeleteUser_UsersButtonClick();
    void NazwaUsera_ComboBoxChange();
    void Zaladowanie_UserowDo_ComboBoxa();
    // TForm6.
    void changeHomeFolder(const QString& folder);
    // TForm8 and opening.
    void fillOpenUserDialog();
    void OpenUsersNames_ComboBoxChange();
    void OpenUser_OpenUsersButtonClick();
    void Operacja_Otwierania_Uzytkownika(const QString& user);
    void Pokaz_Info_Usera(const QString& user);
    void Nagranie_Nazwy_Uzytkownikow(const QString& user);
    // The recent menus.
    void Operacja_LoadPopUpUsers();
    void Operacja_LoadPopUpUserDatas(const QString& user);
    void Operacja_LoadPopUpUserAnalysis(const QString& user);

private:
    void fillPicker(QComboBox* picker, const QString& listFile, bool sorted);
    void updateMajorAndGroupLists();
    void setUserActionsEnabled(bool enabled);
    void fillMenu(const QList<QAction*>& items, const QStringList& captions);
    bool refuseName(const QString& name);

    MainWindowPlaces places_;
    TForm6& form6_;
    TForm7& form7_;
    TForm8& form8_;
};

// Adds the text to a sorted picker in its alphabetical place.
void addSorted(QComboBox* picker, const QString& text);

} // namespace tallox::users
