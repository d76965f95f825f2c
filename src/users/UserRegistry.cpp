#include "users/UserRegistry.h"

#include "common/Dialogs.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "users/ListFiles.h"
#include "users/UserForms.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>

namespace tallox::users {

namespace {
const QString kTryAgain = QStringLiteral("Wprowadź raz jeszcze inną nazwę Użytkownika !");
const QString kNameErrorCaption = QStringLiteral("Błąd Wprowadzonej nazwy Użytkownika !");

void warn(const QString& text)
{
    showMessage({MessageIcon::Warning, kWarningCaption, text, MessageButtons::Ok});
}

void inform(const QString& text)
{
    showMessage({MessageIcon::Information, kInformationCaption, text, MessageButtons::Ok});
}

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

// The dialog shows without waiting and comes to the front.
void showModeless(QDialog& dialog)
{
    dialog.show();
    dialog.raise();
    dialog.activateWindow();
}
} // namespace

void addSorted(QComboBox* picker, const QString& text)
{
    int at = 0;
    while (at < picker->count() && QString::localeAwareCompare(picker->itemText(at), text) <= 0)
        ++at;
    picker->insertItem(at, text);
}

UserRegistry::UserRegistry(MainWindowPlaces places, TForm6& form6, TForm7& form7, TForm8& form8,
                           QObject* parent)
    : QObject(parent), places_(std::move(places)), form6_(form6), form7_(form7), form8_(form8)
{
    // TForm7: its pickers from the three list files.
    Zaladowanie_UserowDo_ComboBoxa();
    fillPicker(form7_.RokKierunek_ComboBox, majorListFile(), false);
    fillPicker(form7_.NazwaGrupa_ComboBox, groupListFile(), false);
    connect(form7_.DodajUsera_UsersButton, &QPushButton::clicked, this,
            &UserRegistry::DodajUsera_UsersButtonClick);
    connect(form7_.ModyfikujWpisy_UsersButton, &QPushButton::clicked, this,
            &UserRegistry::Modyfikacja_Wpisow_Uzytkownikow);
    connect(form7_.DeleteUser_UsersButton, &QPushButton::clicked, this,
            &UserRegistry::DeleteUser_UsersButtonClick);
    connect(form7_.NazwaUsera_ComboBox, &QComboBox::currentIndexChanged, this,
            &UserRegistry::NazwaUsera_ComboBoxChange);
    connect(form7_.NazwaUsera_ComboBox, &QComboBox::editTextChanged, this,
            &UserRegistry::NazwaUsera_ComboBoxChange);
    // TForm6.
    form6_.PathHomeUsers_Label->setText(native(places_.usersHomeFolder));
    form6_.selectFolder(places_.usersHomeFolder);
    connect(form6_.DriveComboBox1, &QComboBox::activated, this, [this](int index) {
        form6_.selectFolder(form6_.DriveComboBox1->itemData(index).toString());
        form6_.DirectoryListBox1->setFocus();
    });
    connect(form6_.BitBtn1, &QPushButton::clicked, this,
            [this] { changeHomeFolder(form6_.selectedFolder()); });
    connect(form6_.BitBtn2, &QPushButton::clicked, &form6_, &QDialog::close);
    // TForm8.
    fillOpenUserDialog();
    connect(form8_.OpenUsersNames_ComboBox, &QComboBox::activated, this,
            &UserRegistry::OpenUsersNames_ComboBoxChange);
    connect(form8_.OpenUser_OpenUsersButton, &QPushButton::clicked, this,
            &UserRegistry::OpenUser_OpenUsersButtonClick);
    // The recent menus' user items open the user their caption names.
    for (QAction* item : places_.userItems)
        connect(item, &QAction::triggered, this,
                [this, item] { Operacja_Otwierania_Uzytkownika(item->text()); });
}

QString UserRegistry::userListFile() const { return places_.programFolder + QStringLiteral("/users.ini"); }
QString UserRegistry::majorListFile() const { return places_.programFolder + QStringLiteral("/majors.ini"); }
QString UserRegistry::groupListFile() const { return places_.programFolder + QStringLiteral("/groups.ini"); }
QString UserRegistry::userFolder(const QString& user) const
{
    return places_.usersHomeFolder + u'/' + user;
}

void UserRegistry::fillPicker(QComboBox* picker, const QString& listFile, bool sorted)
{
    const QString text = picker->currentText();
    const QSignalBlocker quiet(picker);
    picker->clear();
    for (const QString& entry : readEntries(listFile)) {
        if (sorted)
            addSorted(picker, entry);
        else
            picker->addItem(entry);
    }
    if (picker->isEditable())
        picker->setEditText(text);
}

void UserRegistry::Zaladowanie_UserowDo_ComboBoxa()
{
    fillPicker(form7_.NazwaUsera_ComboBox, userListFile(), true);
    form7_.UserDir_Label->setText(native(places_.usersHomeFolder));
}

void UserRegistry::setUserActionsEnabled(bool enabled)
{
    form7_.ModyfikujWpisy_UsersButton->setEnabled(enabled);
    form7_.DeleteUser_UsersButton->setEnabled(enabled);
}

void UserRegistry::NowyUser1Click()
{
    MessageCommand command;
    setUserActionsEnabled(!form7_.NazwaUsera_ComboBox->currentText().isEmpty());
    form7_.DodajUsera_UsersButton->setEnabled(true);
    for (QLabel* mark : {form7_.NewUser_Image, form7_.ModyfikacjaWpisow_Imag, form7_.DeleteUser_Image})
        mark->hide();
    execModal(form7_);
}

void UserRegistry::showUserDialogForChanges()
{
    showModeless(form7_);
    form7_.DodajUsera_UsersButton->setEnabled(true);
    setUserActionsEnabled(true);
}

void UserRegistry::AddNewUser_SettingsPanel_ButtonClick()
{
    MessageCommand command;
    showUserDialogForChanges();
    Operacja_DodaniaUsera();
}

void UserRegistry::showLocationDialog(bool modal)
{
    form6_.PathHomeUsers_Label->setText(native(places_.usersHomeFolder));
    if (modal)
        execModal(form6_);
    else
        showModeless(form6_);
}

bool UserRegistry::refuseName(const QString& name)
{
    QString why;
    if (!isNonBlank(name))
        why = QStringLiteral("Nazwa Użytkownika nie może być nazwą pustą !");
    else if (!isSafeFolderName(name))
        why = QStringLiteral("Nazwa Użytkownika nie może zawierać znaków / ani \\ ani być nazwą . lub .. !");
    else
        return false;
    showMessage({MessageIcon::Warning, kNameErrorCaption, why, MessageButtons::Ok});
    inform(kTryAgain);
    return true;
}

void UserRegistry::Operacja_DodaniaUsera()
{
    if (!QDir(places_.usersHomeFolder).exists()) {
        warn(QStringLiteral("Bliżej nie określony błąd programu! No.72-error"));
        warn(QStringLiteral("Prawdobodobnie Użytkownik jeszcze nie istnieje! No.82-error"));
        return;
    }
    const QString user = form7_.NazwaUsera_ComboBox->currentText();
    if (refuseName(user))
        return;
    const QString folder = userFolder(user);
    if (QFileInfo::exists(folder)) {
        warn(QStringLiteral("Użytkownik o podanej nazwie już istnieje !"));
        inform(kTryAgain);
        return;
    }
    if (QDir().mkdir(folder))
        inform(QStringLiteral("Katalog nowego Użytkownika  --") + user
               + QStringLiteral("--  został pomyślnie utworzony !"));
    else
        warn(QStringLiteral("Katalog nowego Użytkownika nie został prawidłowo utworzony!"));
    if (!QFileInfo(folder).isDir()) {
        warn(QStringLiteral("Nie można znaleźć podanego katalogu Użytkownika"));
        return;
    }
    {
        const QSignalBlocker quiet(form7_.NazwaUsera_ComboBox);
        addSorted(form7_.NazwaUsera_ComboBox, user);
        form7_.NazwaUsera_ComboBox->setEditText(user);
    }
    setUserActionsEnabled(true);
    form7_.NewUser_Image->show();
}

void UserRegistry::updateMajorAndGroupLists()
{
    updateRecentFirst(majorListFile(), form7_.RokKierunek_ComboBox->currentText());
    updateRecentFirst(groupListFile(), form7_.NazwaGrupa_ComboBox->currentText());
    fillPicker(form7_.RokKierunek_ComboBox, majorListFile(), false);
    fillPicker(form7_.NazwaGrupa_ComboBox, groupListFile(), false);
}

void UserRegistry::DodajUsera_UsersButtonClick()
{
    MessageCommand command;
    Operacja_DodaniaUsera();
    updateMajorAndGroupLists();
    // A user enters the user list when opened; this drops the list's blank lines.
    Nagranie_Nazwy_Uzytkownikow(QString());
    fillOpenUserDialog();
    Pokaz_Info_Usera(QString());
    Operacja_LoadPopUpUsers();
}

void UserRegistry::Modyfikacja_Wpisow_Uzytkownikow()
{
    MessageCommand command;
    const QString user = form7_.NazwaUsera_ComboBox->currentText();
    // A blank or unsafe name names no user folder (it would write into the home folder or
    // outside it).
    if (!isNonBlank(user) || !isSafeFolderName(user) || !QFileInfo(userFolder(user)).isDir()) {
        warn(QStringLiteral("Coś nie tak z wpisami lub katalogiem Użytkowników! lub błąd programu nr 42 !"));
        warn(QStringLiteral("Pradopodobnie Użytkownik nie istnieje lub błąd programu nr 58 !"));
        return;
    }
    writeTextLines(userFolder(user) + u'/' + user + QStringLiteral(".ini"),
                   {user, form7_.ImieNazwisko_Edit->text(), form7_.RokKierunek_ComboBox->currentText(),
                    form7_.NazwaGrupa_ComboBox->currentText(), form7_.EmailUsers_Edit->text()});
    form7_.ModyfikujWpisy_UsersButton->setEnabled(true);
    updateMajorAndGroupLists();
    fillOpenUserDialog();
    Pokaz_Info_Usera(user);
    form7_.ModyfikacjaWpisow_Imag->show();
}

void UserRegistry::DeleteUser_UsersButtonClick()
{
    MessageCommand command;
    warn(QStringLiteral("Operacja usunie tylko wpis o użytkowniku. Katalog, pliki danych i analiz "
                        "pozostaną nienaruszone !"));
    warn(QStringLiteral("Aby ewentualnie je usunąć użyj opcji exploratora "));
    const MessageAnswer answer = showMessage(
        {MessageIcon::Question, kConfirmCaption,
         QStringLiteral("Czy jesteś pewien, że chesz usunąć wpisy o użytkowniku ? "),
         MessageButtons::YesNo});
    if (answer == MessageAnswer::Yes) {
        QComboBox* names = form7_.NazwaUsera_ComboBox;
        const int index = names->findText(names->currentText(), Qt::MatchExactly | Qt::MatchCaseSensitive);
        // A name that no item equals deletes nothing, and the list stays as it is.
        if (index >= 0) {
            {
                const QSignalBlocker quiet(names);
                names->removeItem(index);
            }
            QStringList entries;
            for (int i = 0; i < names->count(); ++i)
                entries << names->itemText(i);
            writeEntries(userListFile(), entries);
            Operacja_LoadPopUpUsers();
            Zaladowanie_UserowDo_ComboBoxa();
            if (names->count() == 0) {
                names->setEditText(QString());
                form7_.ImieNazwisko_Edit->clear();
                form7_.RokKierunek_ComboBox->setEditText(QString());
                form7_.NazwaGrupa_ComboBox->setEditText(QString());
                form7_.EmailUsers_Edit->clear();
                setUserActionsEnabled(false);
            } else {
                const QSignalBlocker quiet(names);
                names->setCurrentIndex(0);
                names->setEditText(names->itemText(0));
            }
            if (names->count() > 0)
                NazwaUsera_ComboBoxChange();
        }
    }
    form7_.DeleteUser_Image->show();
}

void UserRegistry::NazwaUsera_ComboBoxChange()
{
    QComboBox* names = form7_.NazwaUsera_ComboBox;
    const QString typed = names->currentText();
    const int index = names->currentIndex();
    const QString selected = index >= 0 ? names->itemText(index) : QString();
    if (index >= 0)
        setUserActionsEnabled(true);
    if (typed == selected)
        Pokaz_Info_Usera(selected);
    for (QLabel* mark : {form7_.NewUser_Image, form7_.ModyfikacjaWpisow_Imag, form7_.DeleteUser_Image})
        mark->hide();
}

void UserRegistry::changeHomeFolder(const QString& folder)
{
    if (folder.isEmpty())
        return;
    places_.usersHomeFolder = QDir::fromNativeSeparators(folder);
    const QString shown = native(places_.usersHomeFolder);
    form6_.PathHomeUsers_Label->setText(shown);
    form7_.UserDir_Label->setText(shown);
    form8_.UserDir_Label->setText(shown);
    writeTextLines(places_.programFolder + QStringLiteral("/tallox2.ini"), {shown});
}

void UserRegistry::fillOpenUserDialog()
{
    form8_.ImieNazwisko_Label->clear();
    form8_.Kierunekrokstudiow_Label->clear();
    form8_.NazwaNumerGrupy_Label->clear();
    form8_.UserDir_Label->setText(native(places_.usersHomeFolder));
    QComboBox* names = form8_.OpenUsersNames_ComboBox;
    const QSignalBlocker quiet(names);
    names->clear();
    for (const QString& entry : readEntries(userListFile()))
        addSorted(names, entry);
    names->setCurrentIndex(names->count() > 0 ? 0 : -1);
}

void UserRegistry::Pokaz_Info_Usera(const QString& user)
{
    form8_.UserDir_Label->setText(native(userFolder(user)));
    QStringList lines;
    if (!user.isEmpty() && isSafeFolderName(user))
        lines = readTextLines(userFolder(user) + u'/' + user + QStringLiteral(".ini"));
    while (lines.size() < 5)
        lines << QString();
    // A user without an entries file keeps the name asked for: a name being typed or picked
    // is not wiped out.
    const QString name = lines[0].isEmpty() ? user : lines[0];
    form7_.ImieNazwisko_Edit->setText(lines[1]);
    form8_.ImieNazwisko_Label->setText(lines[1]);
    form7_.RokKierunek_ComboBox->setEditText(lines[2]);
    form8_.Kierunekrokstudiow_Label->setText(lines[2]);
    form7_.NazwaGrupa_ComboBox->setEditText(lines[3]);
    form8_.NazwaNumerGrupy_Label->setText(lines[3]);
    form7_.EmailUsers_Edit->setText(lines[4]);
    {
        const QSignalBlocker quiet(form7_.NazwaUsera_ComboBox);
        form7_.NazwaUsera_ComboBox->setEditText(name);
    }
    QComboBox* names = form8_.OpenUsersNames_ComboBox;
    int last = -1;
    for (int i = 0; i < names->count(); ++i)
        if (names->itemText(i) == name)
            last = i;
    const QSignalBlocker quiet(names);
    names->setCurrentIndex(last);
}

void UserRegistry::OpenUsersNames_ComboBoxChange()
{
    const QString picked = form8_.OpenUsersNames_ComboBox->currentText();
    Pokaz_Info_Usera(picked);
    form8_.FolderUsera_Image->setVisible(!picked.isEmpty() && picked == places_.status.panelText(1));
}

void UserRegistry::OpenUser_OpenUsersButtonClick()
{
    MessageCommand command;
    const QString user = form8_.OpenUsersNames_ComboBox->currentText();
    if (user.isEmpty())
        return;
    Operacja_Otwierania_Uzytkownika(user);
    setUserActionsEnabled(true);
}

void UserRegistry::OpenUsers_ToolButtonClick()
{
    MessageCommand command;
    Pokaz_Info_Usera(form8_.OpenUsersNames_ComboBox->currentText());
    execModal(form8_);
}

void UserRegistry::OpenUsers_MenuClick()
{
    MessageCommand command;
    execModal(form8_);
}

void UserRegistry::Operacja_Otwierania_Uzytkownika(const QString& user)
{
    // Only a name of a folder under the home folder can be a user: a list file edited by
    // hand must not point the dialogs elsewhere.
    if (!isNonBlank(user) || !isSafeFolderName(user))
        return;
    places_.status.setPanelText(1, user);
    const QString folder = userFolder(user);
    if (places_.userOpened)
        places_.userOpened(folder);
    setUserActionsEnabled(true);
    Pokaz_Info_Usera(user);
    Operacja_LoadPopUpUserDatas(user);
    Operacja_LoadPopUpUserAnalysis(user);
    places_.status.setPanelText(2, native(folder));
    Nagranie_Nazwy_Uzytkownikow(user);
    form8_.FolderUsera_Image->show();
    Operacja_LoadPopUpUsers();
}

void UserRegistry::Nagranie_Nazwy_Uzytkownikow(const QString& user)
{
    updateRecentFirstKeepingBlanks(userListFile(), user);
}

void UserRegistry::fillMenu(const QList<QAction*>& items, const QStringList& captions)
{
    for (int i = 0; i < items.size(); ++i) {
        const bool used = i < captions.size();
        if (used)
            items[i]->setText(captions[i]);
        items[i]->setVisible(used);
    }
}

void UserRegistry::Operacja_LoadPopUpUsers()
{
    const QStringList names = readEntries(userListFile()).mid(0, int(places_.userItems.size()));
    fillMenu(places_.userItems, names);
    for (QAction* command : places_.openUserCommands)
        command->setEnabled(!names.isEmpty());
}

void UserRegistry::Operacja_LoadPopUpUserDatas(const QString& user)
{
    fillMenu(places_.dataItems, readTextLines(userFolder(user) + u'/' + user + QStringLiteral("_data.ini"))
                                    .mid(0, int(places_.dataItems.size())));
}

void UserRegistry::Operacja_LoadPopUpUserAnalysis(const QString& user)
{
    fillMenu(places_.analysisItems,
             readTextLines(userFolder(user) + u'/' + user + QStringLiteral("_ana.ini"))
                 .mid(0, int(places_.analysisItems.size())));
}

} // namespace tallox::users
