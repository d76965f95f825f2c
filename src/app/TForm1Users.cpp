// The main window's part of the user registry, the leaders and exercises and the analysis
// sets: the registries and the commands of their menu items, tool buttons and buttons.
#include "app/TForm1.h"

#include "app/DataPage.h"
#include "app/SettingsPage.h"
#include "common/PanelStatusBar.h"
#include "figures/ExercisePanel.h"
#include "figures/FigureTable.h"
#include "figures/FiguresPage.h"
#include "records/AnalysisSets.h"
#include "users/Leaders.h"
#include "users/UserForms.h"
#include "users/UserRegistry.h"

#include <QAction>
#include <QPushButton>

using tallox::users::LeaderRegistry;
using tallox::users::UserRegistry;

namespace {
QList<QAction*> menuItems(const TForm1& form, const char* menu)
{
    QList<QAction*> items;
    for (int i = 1; i <= 9; ++i)
        items << form.action(QStringLiteral("%1_N%2").arg(QLatin1String(menu)).arg(i));
    return items;
}
} // namespace

void TForm1::buildRegistries()
{
    analysisSets = new AnalysisSets(
        *F1Book1, *StatusBar1, UsersHomeFolder,
        {[this] { figureTable().resetCount(); },
         [this](const QString& user) { users->Operacja_LoadPopUpUserAnalysis(user); }},
        this);
    users = new UserRegistry(
        {ProgramFolder, UsersHomeFolder, *StatusBar1, menuItems(*this, "ListaUsers_PopUp"),
         menuItems(*this, "ListaUsersData_PopUp"), menuItems(*this, "ListaUsersAnalysis_PopUp"),
         {action(QStringLiteral("OpenUsers_ToolButton")), action(QStringLiteral("OpenUsers_Menu"))},
         [this](const QString& folder) { analysisSets->setDialogFolder(folder); }},
        *Form6, *Form7, *Form8, this);
    tallox::ExercisePanel& exercise = Wykresy_TabSheet->exercisePanel();
    leaders = new LeaderRegistry(ProgramFolder, *Form9, exercise.Prowadzacy_ComboBox,
                                 exercise.NazwaCwiczenia_ComboBox, this);

    auto on = [this](const char* name, auto&& handler) {
        connect(action(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("NowyUser1", [this] { users->NowyUser1Click(); });
    on("OpenUsers_Menu", [this] { users->OpenUsers_MenuClick(); });
    on("OpenUsers_ToolButton", [this] { users->OpenUsers_ToolButtonClick(); });
    on("Ustawienia1", [this] { users->showLocationDialog(true); });
    on("SaveAnalizy_MainMenu", [this] { analysisSets->ZachowajAnalizy_ButtonClick(); });
    on("LoadAnalizy_MainMenu", [this] { analysisSets->Ladowanie_Analiz(); });
    on("LoadProjects_ToolButton", [this] { analysisSets->Ladowanie_Analiz(); });
    connect(Dane_TabSheet->LoadProjects_Button, &QPushButton::clicked, analysisSets,
            &AnalysisSets::Ladowanie_Analiz);
    connect(Dane_TabSheet->ZachowajAnalizy_Button, &QPushButton::clicked, analysisSets,
            &AnalysisSets::ZachowajAnalizy_ButtonClick);

    SettingsPage& settings = *settingsPage;
    connect(settings.BitBtn1, &QPushButton::clicked, this, [this] { users->showLocationDialog(false); });
    for (QPushButton* add : {settings.AddNewUser_SettingsPanel_Button, settings.AddNewExercise_Button})
        connect(add, &QPushButton::clicked, this, [this] { users->AddNewUser_SettingsPanel_ButtonClick(); });
    for (QPushButton* change : {settings.BitBtn14, settings.BitBtn13})
        connect(change, &QPushButton::clicked, this, [this] { users->showUserDialogForChanges(); });
    connect(settings.BitBtn15, &QPushButton::clicked, leaders, &LeaderRegistry::BitBtn15Click);
    connect(settings.BitBtn16, &QPushButton::clicked, leaders, &LeaderRegistry::BitBtn16Click);
    connect(settings.BitBtn17, &QPushButton::clicked, leaders, &LeaderRegistry::BitBtn17Click);
}
