#include "users/Leaders.h"

#include "common/Dialogs.h"
#include "common/Links.h"
#include "common/Messages.h"
#include "common/TextFile.h"
#include "users/ListFiles.h"
#include "users/UserForms.h"
#include "users/UserRegistry.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using tallox::users::named;

TForm9::TForm9(QWidget* parent) : QDialog(parent)
{
    tallox::users::setUpForm(*this, "Form9", QStringLiteral("  Lider"), true);
    auto picker = [this](const char* name) {
        auto* box = named(new QComboBox(this), name);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        return box;
    };
    ComboBox1 = picker("ComboBox1");
    ComboBox2 = picker("ComboBox2");
    ComboBox3 = picker("ComboBox3");
    ComboBox4 = picker("ComboBox4");
    ComboBox5 = picker("ComboBox5");
    DodajLidera_LiderButton =
        named(new QPushButton(QStringLiteral("Dodaj nowego Lidera"), this), "DodajLidera_LiderButton");
    ModyfikujWpisy_LiderButton =
        named(new QPushButton(QStringLiteral("Modyfikuj wpisy"), this), "ModyfikujWpisy_LiderButton");
    UsunLidera_LiderButton =
        named(new QPushButton(QStringLiteral("Usuń Lidera"), this), "UsunLidera_LiderButton");
    Label16 = named(new QLabel(this), "Label16");
    Label16->setTextFormat(Qt::RichText);
    Label16->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(tallox::links::kStaffDirectoryPage.toHtmlEscaped()));
    Label16->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    Label16->setCursor(Qt::PointingHandCursor);
    connect(Label16, &QLabel::linkActivated, this,
            [] { tallox::openExternal(tallox::links::kStaffDirectoryPage); });

    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("Nazwa Lidera"), ComboBox1);
    fields->addRow(QStringLiteral("Imię i nazwisko"), ComboBox2);
    fields->addRow(QStringLiteral("Zakład / nr pokoju"), ComboBox3);
    fields->addRow(QStringLiteral("Adres korespondencyjny"), ComboBox4);
    fields->addRow(QStringLiteral("Telefon kontaktowy"), ComboBox5);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DodajLidera_LiderButton);
    buttons->addWidget(ModyfikujWpisy_LiderButton);
    buttons->addWidget(UsunLidera_LiderButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Pozostałych pracowników znajdziesz na stronie:"), this));
    layout->addWidget(Label16);
    resize(480, 260);
}

namespace tallox::users {

namespace {
const QString kTryAgain = QStringLiteral("Wprowadź raz jeszcze inną nazwę Lidera !");

void tell(MessageIcon icon, const QString& text)
{
    showMessage({icon, icon == MessageIcon::Information ? kInformationCaption : kWarningCaption,
                 text, MessageButtons::Ok});
}
} // namespace

void appendListLines(QComboBox* picker, const QString& listFile)
{
    if (!QFileInfo(listFile).isFile())
        return;
    picker->addItems(readTextLines(listFile));
}

LeaderRegistry::LeaderRegistry(const QString& programFolder, TForm9& form9, QComboBox* leaderPicker,
                               QComboBox* exercisePicker, QObject* parent)
    : QObject(parent), programFolder_(programFolder), form9_(form9), leaderPicker_(leaderPicker),
      exercisePicker_(exercisePicker)
{
    // The pickers are filled once, at start-up.
    Operacja_Liders();
    Operacja_Classes();
    for (const QString& name : readEntries(leaderListFile()))
        addSorted(form9_.ComboBox1, name);
    form9_.ComboBox1->setCurrentIndex(-1);
    connect(form9_.DodajLidera_LiderButton, &QPushButton::clicked, this, &LeaderRegistry::addLeader);
    connect(form9_.ModyfikujWpisy_LiderButton, &QPushButton::clicked, this, &LeaderRegistry::modifyLeader);
    connect(form9_.UsunLidera_LiderButton, &QPushButton::clicked, this, &LeaderRegistry::deleteLeader);
    connect(form9_.ComboBox1, &QComboBox::activated, this,
            [this](int index) { showLeader(form9_.ComboBox1->itemText(index)); });
}

QString LeaderRegistry::leaderListFile() const { return programFolder_ + QStringLiteral("/liders.ini"); }
QString LeaderRegistry::exerciseListFile() const { return programFolder_ + QStringLiteral("/classes.ini"); }
QString LeaderRegistry::leaderFile(const QString& name) const
{
    return programFolder_ + QStringLiteral("/liders/") + name + QStringLiteral(".ini");
}

void LeaderRegistry::Operacja_Liders() { appendListLines(leaderPicker_, leaderListFile()); }

void LeaderRegistry::Operacja_Classes() { appendListLines(exercisePicker_, exerciseListFile()); }

void LeaderRegistry::showDialog(bool add, bool modify, bool remove)
{
    form9_.show();
    form9_.raise();
    form9_.activateWindow();
    form9_.DodajLidera_LiderButton->setEnabled(add);
    form9_.ModyfikujWpisy_LiderButton->setEnabled(modify);
    form9_.UsunLidera_LiderButton->setEnabled(remove);
}

void LeaderRegistry::BitBtn15Click() { showDialog(true, false, false); }
void LeaderRegistry::BitBtn16Click() { showDialog(false, true, false); }
void LeaderRegistry::BitBtn17Click() { showDialog(false, false, true); }

bool LeaderRegistry::refuseName(const QString& name)
{
    QString why;
    if (!isNonBlank(name))
        why = QStringLiteral("Nazwa Lidera nie może być nazwą pustą !");
    else if (!isSafeFolderName(name))
        why = QStringLiteral("Nazwa Lidera nie może zawierać znaków / ani \\ ani być nazwą . lub .. !");
    else
        return false;
    showMessage({MessageIcon::Warning, QStringLiteral("Błąd Wprowadzonej nazwy Lidera !"), why,
                 MessageButtons::Ok});
    tell(MessageIcon::Information, kTryAgain);
    return true;
}

void LeaderRegistry::refreshPickers()
{
    leaderPicker_->clear();
    Operacja_Liders();
    const QString typed = form9_.ComboBox1->currentText();
    const QSignalBlocker quiet(form9_.ComboBox1);
    form9_.ComboBox1->clear();
    for (const QString& name : readEntries(leaderListFile()))
        addSorted(form9_.ComboBox1, name);
    form9_.ComboBox1->setEditText(typed);
}

void LeaderRegistry::addLeader()
{
    MessageCommand command;
    const QString name = form9_.ComboBox1->currentText();
    if (refuseName(name))
        return;
    if (readEntries(leaderListFile()).contains(name)) {
        tell(MessageIcon::Warning, QStringLiteral("Lider o podanej nazwie już istnieje !"));
        tell(MessageIcon::Information, kTryAgain);
        return;
    }
    QDir().mkpath(programFolder_ + QStringLiteral("/liders"));
    writeTextLines(leaderFile(name), {name, form9_.ComboBox2->currentText(), form9_.ComboBox3->currentText(),
                                      form9_.ComboBox4->currentText(), form9_.ComboBox5->currentText()});
    updateRecentFirst(leaderListFile(), name);
    refreshPickers();
    tell(MessageIcon::Information,
         QStringLiteral("Nowy Lider  --") + name + QStringLiteral("--  został pomyślnie dodany !"));
}

void LeaderRegistry::modifyLeader()
{
    MessageCommand command;
    const QString name = form9_.ComboBox1->currentText();
    if (refuseName(name))
        return;
    if (!readEntries(leaderListFile()).contains(name)) {
        tell(MessageIcon::Warning, QStringLiteral("Lider o podanej nazwie nie istnieje !"));
        return;
    }
    QDir().mkpath(programFolder_ + QStringLiteral("/liders"));
    writeTextLines(leaderFile(name), {name, form9_.ComboBox2->currentText(), form9_.ComboBox3->currentText(),
                                      form9_.ComboBox4->currentText(), form9_.ComboBox5->currentText()});
    updateRecentFirst(leaderListFile(), name);
    refreshPickers();
    tell(MessageIcon::Information, QStringLiteral("Wpisy Lidera zostały zmienione."));
}

void LeaderRegistry::deleteLeader()
{
    MessageCommand command;
    const QString name = form9_.ComboBox1->currentText();
    QStringList names = readEntries(leaderListFile());
    if (!names.contains(name)) {
        tell(MessageIcon::Warning, QStringLiteral("Lider o podanej nazwie nie istnieje !"));
        return;
    }
    if (showMessage({MessageIcon::Question, kConfirmCaption,
                     QStringLiteral("Czy jesteś pewien, że chcesz usunąć wpisy o Liderze ? "),
                     MessageButtons::YesNo})
        != MessageAnswer::Yes)
        return;
    names.removeAll(name);
    writeEntries(leaderListFile(), names);
    QFile::remove(leaderFile(name));
    refreshPickers();
    form9_.ComboBox1->setEditText(QString());
    for (QComboBox* field : {form9_.ComboBox2, form9_.ComboBox3, form9_.ComboBox4, form9_.ComboBox5})
        field->setEditText(QString());
}

void LeaderRegistry::showLeader(const QString& name)
{
    QStringList lines;
    if (isNonBlank(name) && isSafeFolderName(name))
        lines = readTextLines(leaderFile(name));
    while (lines.size() < 5)
        lines << QString();
    QComboBox* fields[] = {form9_.ComboBox2, form9_.ComboBox3, form9_.ComboBox4, form9_.ComboBox5};
    for (int i = 0; i < 4; ++i)
        fields[i]->setEditText(lines[i + 1]);
}

} // namespace tallox::users
