#include "users/UserForms.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTreeView>
#include <QVBoxLayout>

namespace tallox::users {

void setUpForm(QDialog& form, const char* name, const QString& caption, bool onTop)
{
    form.setObjectName(QLatin1String(name));
    form.setWindowTitle(caption);
    if (onTop)
        form.setWindowFlag(Qt::WindowStaysOnTopHint);
}

QLabel* makeMarkPicture(QWidget* parent, const char* name)
{
    auto* picture = named(new QLabel(parent), name);
    picture->setPixmap(parent->style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(20, 20));
    picture->setFixedSize(24, 24);
    picture->hide();
    return picture;
}

} // namespace tallox::users

using tallox::users::makeMarkPicture;
using tallox::users::named;

namespace {
QComboBox* editablePicker(QWidget* parent, const char* name)
{
    auto* picker = named(new QComboBox(parent), name);
    picker->setEditable(true);
    picker->setInsertPolicy(QComboBox::NoInsert);
    return picker;
}

// A button with a mark picture at its right.
QHBoxLayout* withMark(QPushButton* button, QLabel* mark)
{
    auto* row = new QHBoxLayout;
    row->addWidget(button, 1);
    row->addWidget(mark);
    return row;
}
} // namespace

TForm6::TForm6(QWidget* parent) : QDialog(parent)
{
    tallox::users::setUpForm(*this, "Form6", QStringLiteral("  Lokalizacja plików analiz Użytkowników"),
                             true);
    PathHomeUsers_Label = named(new QLabel(this), "PathHomeUsers_Label");
    PathHomeUsers_Label->setTextFormat(Qt::PlainText);
    DriveComboBox1 = named(new QComboBox(this), "DriveComboBox1");
    for (const QFileInfo& drive : QDir::drives())
        DriveComboBox1->addItem(QDir::toNativeSeparators(drive.absoluteFilePath()),
                                drive.absoluteFilePath());
    DirectoryListBox1 = named(new QTreeView(this), "DirectoryListBox1");
    DirectoryListBox1->header()->hide();
    BitBtn1 = named(new QPushButton(QStringLiteral("Zmień lokalizację plików analiz Użytkowników"), this),
                    "BitBtn1");
    BitBtn2 = named(new QPushButton(QStringLiteral("Zakończ"), this), "BitBtn2");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PathHomeUsers_Label);
    layout->addWidget(DriveComboBox1);
    layout->addWidget(DirectoryListBox1, 1);
    layout->addWidget(BitBtn1);
    layout->addWidget(BitBtn2);
    resize(420, 460);
}

QFileSystemModel* TForm6::folders() const
{
    if (!folders_) {
        folders_ = new QFileSystemModel(const_cast<TForm6*>(this));
        folders_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
        folders_->setRootPath(QString());
        DirectoryListBox1->setModel(folders_);
        for (int column = 1; column < folders_->columnCount(); ++column)
            DirectoryListBox1->hideColumn(column);
    }
    return folders_;
}

void TForm6::showEvent(QShowEvent* event)
{
    if (!folders_) {
        folders();
        if (!pendingFolder_.isEmpty())
            selectFolder(pendingFolder_);
    }
    QDialog::showEvent(event);
}

QString TForm6::selectedFolder() const
{
    const QModelIndex index = DirectoryListBox1->currentIndex();
    if (!folders_)
        return pendingFolder_;
    return index.isValid() ? folders_->filePath(index) : QString();
}

void TForm6::selectFolder(const QString& path)
{
    if (!folders_) {
        pendingFolder_ = path;
        return;
    }
    const QModelIndex index = folders_->index(path);
    if (!index.isValid())
        return;
    DirectoryListBox1->setCurrentIndex(index);
    DirectoryListBox1->scrollTo(index);
}

TForm7::TForm7(QWidget* parent) : QDialog(parent)
{
    tallox::users::setUpForm(*this, "Form7", QStringLiteral("  Użytkownik  (User ID)"), false);
    NazwaUsera_ComboBox = editablePicker(this, "NazwaUsera_ComboBox");
    NazwaUsera_ComboBox->setMaxVisibleItems(15);
    ImieNazwisko_Edit = named(new QLineEdit(this), "ImieNazwisko_Edit");
    RokKierunek_ComboBox = editablePicker(this, "RokKierunek_ComboBox");
    NazwaGrupa_ComboBox = editablePicker(this, "NazwaGrupa_ComboBox");
    EmailUsers_Edit = named(new QLineEdit(this), "EmailUsers_Edit");
    UserDir_Label = named(new QLabel(this), "UserDir_Label");
    UserDir_Label->setTextFormat(Qt::PlainText);
    DodajUsera_UsersButton =
        named(new QPushButton(QStringLiteral("Dodaj Użytkownika"), this), "DodajUsera_UsersButton");
    ModyfikujWpisy_UsersButton =
        named(new QPushButton(QStringLiteral("Modyfkuj Wpisy"), this), "ModyfikujWpisy_UsersButton");
    DeleteUser_UsersButton =
        named(new QPushButton(QStringLiteral("Usuń Użytkownika"), this), "DeleteUser_UsersButton");
    CloseForm_UsersButton =
        named(new QPushButton(QStringLiteral("Anuluj / Zamknij"), this), "CloseForm_UsersButton");
    NewUser_Image = makeMarkPicture(this, "NewUser_Image");
    ModyfikacjaWpisow_Imag = makeMarkPicture(this, "ModyfikacjaWpisow_Imag");
    DeleteUser_Image = makeMarkPicture(this, "DeleteUser_Image");
    LokalizacjaPlikow_Image = makeMarkPicture(this, "LokalizacjaPlikow_Image");

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nazwa Użytkownika"), NazwaUsera_ComboBox);
    fields->addRow(QStringLiteral("Imię i nazwisko"), ImieNazwisko_Edit);
    fields->addRow(QStringLiteral("Rok studiów i Kierunek"), RokKierunek_ComboBox);
    fields->addRow(QStringLiteral("Nazwa lub numer grupy"), NazwaGrupa_ComboBox);
    fields->addRow(QStringLiteral("Adres korespondencyjny"), EmailUsers_Edit);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(UserDir_Label, 1);
    folderRow->addWidget(LokalizacjaPlikow_Image);
    fields->addRow(QStringLiteral("Katalog Użytkowników"), folderRow);
    auto* buttons = new QVBoxLayout;
    buttons->addLayout(withMark(DodajUsera_UsersButton, NewUser_Image));
    buttons->addLayout(withMark(ModyfikujWpisy_UsersButton, ModyfikacjaWpisow_Imag));
    buttons->addLayout(withMark(DeleteUser_UsersButton, DeleteUser_Image));
    buttons->addStretch();
    buttons->addWidget(CloseForm_UsersButton);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
    resize(620, 240);
    connect(CloseForm_UsersButton, &QPushButton::clicked, this, &QDialog::close);
}

TForm8::TForm8(QWidget* parent) : QDialog(parent)
{
    tallox::users::setUpForm(*this, "Form8", QStringLiteral("  Otwórz Użytkownika"), true);
    OpenUsersNames_ComboBox = named(new QComboBox(this), "OpenUsersNames_ComboBox");
    OpenUsersNames_ComboBox->setMaxVisibleItems(15);
    auto label = [this](const char* name) {
        auto* text = named(new QLabel(this), name);
        text->setTextFormat(Qt::PlainText);
        return text;
    };
    UserDir_Label = label("UserDir_Label");
    ImieNazwisko_Label = label("ImieNazwisko_Label");
    Kierunekrokstudiow_Label = label("Kierunekrokstudiow_Label");
    NazwaNumerGrupy_Label = label("NazwaNumerGrupy_Label");
    FolderUsera_Image = makeMarkPicture(this, "FolderUsera_Image");
    FolderUsera_Image->setPixmap(style()->standardIcon(QStyle::SP_DirOpenIcon).pixmap(20, 20));
    OpenUser_OpenUsersButton =
        named(new QPushButton(QStringLiteral("Otwórz Użytkownika"), this), "OpenUser_OpenUsersButton");
    CloseForm_OpenUsersButton =
        named(new QPushButton(QStringLiteral("Anuluj / Zamknij"), this), "CloseForm_OpenUsersButton");
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(OpenUsersNames_ComboBox, 1);
    nameRow->addWidget(FolderUsera_Image);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nazwa Użytkownika"), nameRow);
    fields->addRow(QStringLiteral("Katalog"), UserDir_Label);
    fields->addRow(QStringLiteral("Imię i nazwisko"), ImieNazwisko_Label);
    fields->addRow(QStringLiteral("Rok studiów i Kierunek"), Kierunekrokstudiow_Label);
    fields->addRow(QStringLiteral("Nazwa lub numer grupy"), NazwaNumerGrupy_Label);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(OpenUser_OpenUsersButton);
    buttons->addWidget(CloseForm_OpenUsersButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(460, 220);
    connect(CloseForm_OpenUsersButton, &QPushButton::clicked, this, &QDialog::close);
}
