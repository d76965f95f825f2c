#include "app/SettingsPage.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
QPushButton* button(QWidget* page, const char* name, const QString& text)
{
    auto* made = new QPushButton(text, page);
    made->setObjectName(QLatin1String(name));
    made->setMinimumWidth(320);
    static_cast<QVBoxLayout*>(page->layout())->addWidget(made, 0, Qt::AlignLeft);
    return made;
}

QWidget* page(const QString& heading)
{
    auto* made = new QWidget;
    auto* layout = new QVBoxLayout(made);
    auto* title = new QLabel(heading, made);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    title->setFont(bold);
    layout->addWidget(title);
    return made;
}
} // namespace

SettingsPage::SettingsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("MainOptions_TabSheet"));
    pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("settingsPages"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);

    usersPage = page(QStringLiteral("Użytkownicy"));
    BitBtn1 = button(usersPage, "BitBtn1", QStringLiteral("Lokalizacja plików analiz Użytkowników"));
    AddNewUser_SettingsPanel_Button =
        button(usersPage, "AddNewUser_SettingsPanel_Button", QStringLiteral("Dodaj nowego Użytkownika"));
    BitBtn14 = button(usersPage, "BitBtn14", QStringLiteral("Modyfikuj wpisy Użytkownika"));
    BitBtn13 = button(usersPage, "BitBtn13", QStringLiteral("Usuń Użytkownika"));

    leadersPage = page(QStringLiteral("Liderzy"));
    BitBtn15 = button(leadersPage, "BitBtn15", QStringLiteral("Dodaj nowego Lidera"));
    BitBtn16 = button(leadersPage, "BitBtn16", QStringLiteral("Modyfikuj wpisy Lidera"));
    BitBtn17 = button(leadersPage, "BitBtn17", QStringLiteral("Usuń Lidera"));

    exercisesPage = page(QStringLiteral("Ćwiczenia/Eksperymenty"));
    AddNewExercise_Button =
        button(exercisesPage, "AddNewExercise_Button", QStringLiteral("Dodaj nowe Ćwiczenie"));
    ModifyExercise_Button =
        button(exercisesPage, "ModifyExercise_Button", QStringLiteral("Modyfikuj wpisy Ćwiczenia"));
    DeleteExercise_Button = button(exercisesPage, "DeleteExercise_Button", QStringLiteral("Usuń Ćwiczenie"));
    // No command modifies or deletes an exercise: the two buttons are not offered as if one did.
    ModifyExercise_Button->setEnabled(false);
    DeleteExercise_Button->setEnabled(false);

    for (QWidget* each : {usersPage, leadersPage, exercisesPage})
        static_cast<QVBoxLayout*>(each->layout())->addStretch();
    pages->addTab(usersPage, QStringLiteral("Użytkownicy"));
    pages->addTab(leadersPage, QStringLiteral("Liderzy"));
    pages->addTab(exercisesPage, QStringLiteral("Ćwiczenia"));
}

void SettingsPage::setPagesVisible(bool visible)
{
    for (int i = 0; i < pages->count(); ++i)
        pages->setTabVisible(i, visible);
    pages->setVisible(visible);
}
