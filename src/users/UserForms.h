#pragma once
// The user registry's dialogs: the users' files location (TForm6), a user's add / modify /
// delete (TForm7) and opening a user (TForm8). They hold controls only; UserRegistry gives
// their buttons their commands.
#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeView;
class QFileSystemModel;

// The users' files location.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent);

    QLabel* PathHomeUsers_Label = nullptr;
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

    // The folder selected in the tree (full path, "/" separated), or empty.
    QString selectedFolder() const;
    void selectFolder(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The folder tree's model, made when it is first needed: watching the file system costs a
    // thread and a scan that start-up should not pay for a dialog most users never open.
    QFileSystemModel* folders() const;
    mutable QFileSystemModel* folders_ = nullptr;
    QString pendingFolder_;  // chosen before the tree existed; selected when it is made
};

// A user: add, modify, delete.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent);

    QComboBox* NazwaUsera_ComboBox = nullptr;
    QLineEdit* ImieNazwisko_Edit = nullptr;
    QComboBox* RokKierunek_ComboBox = nullptr;
    QComboBox* NazwaGrupa_ComboBox = nullptr;
    QLineEdit* EmailUsers_Edit = nullptr;
    QLabel* UserDir_Label = nullptr;
    QPushButton* DodajUsera_UsersButton = nullptr;
    QPushButton* ModyfikujWpisy_UsersButton = nullptr;
    QPushButton* DeleteUser_UsersButton = nullptr;
    QPushButton* CloseForm_UsersButton = nullptr;
    QLabel* NewUser_Image = nullptr;
    QLabel* ModyfikacjaWpisow_Imag = nullptr;
    QLabel* DeleteUser_Image = nullptr;
    QLabel* LokalizacjaPlikow_Image = nullptr;
};

// Opening a user.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent);

    QComboBox* OpenUsersNames_ComboBox = nullptr;
    QLabel* UserDir_Label = nullptr;
    QLabel* ImieNazwisko_Label = nullptr;
    QLabel* Kierunekrokstudiow_Label = nullptr;
    QLabel* NazwaNumerGrupy_Label = nullptr;
    QLabel* FolderUsera_Image = nullptr;
    QPushButton* OpenUser_OpenUsersButton = nullptr;
    QPushButton* CloseForm_OpenUsersButton = nullptr;
};

namespace tallox::users {
// Names, caption and window flags of a form of this room.
void setUpForm(QDialog& form, const char* name, const QString& caption, bool onTop);
// A small picture that marks a finished action; hidden until one is.
QLabel* makeMarkPicture(QWidget* parent, const char* name);
// Makes a named child of the form.
template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace tallox::users
