// The main window's menus, tool bar and pop-up menus, and which command each item runs.
#include "app/TForm1.h"

#include "app/DataPage.h"
#include "app/UndoItems.h"
#include "chart/Chart.h"
#include "common/Dialogs.h"
#include "figures/FiguresPage.h"
#include "worksheet/DataFiles.h"
#include "worksheet/TF1Book.h"
#include "tallox_version.h"

#include <QAction>
#include <QDir>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>

namespace {
// Icons from the desktop's theme (Tango is installed with the program), with the style's own
// pictures where the theme has none.
QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style)
{
    const QIcon icon = QIcon::fromTheme(QLatin1String(name));
    return icon.isNull() ? style->standardIcon(fallback) : icon;
}
} // namespace

QAction* TForm1::makeAction(const char* name, const QString& text, const QKeySequence& shortcut,
                            const QString& hint)
{
    auto* item = new QAction(text, this);
    item->setObjectName(QLatin1String(name));
    if (!shortcut.isEmpty())
        item->setShortcut(shortcut);
    if (!hint.isEmpty()) {
        item->setStatusTip(hint);
        item->setToolTip(hint);
    }
    return item;
}

void TForm1::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto addMenu = [&](const char* name, const QString& title) {
        QMenu* menu = bar->addMenu(title);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        return menu;
    };
    auto add = [&](QMenu* menu, const char* name, const QString& text,
                   const QKeySequence& shortcut = {}) {
        QAction* item = makeAction(name, text, shortcut);
        menu->addAction(item);
        return item;
    };

    QMenu* user = addMenu("UserID_MainMenu", QStringLiteral("Użytkownik              "));
    add(user, "OpenUsers_Menu", QStringLiteral("Otwórz Użytkownika"))->setEnabled(false);
    add(user, "NowyUser1", QStringLiteral("Nowy Użytkownik"));

    QMenu* file = addMenu("Zbior1", QStringLiteral("&Zbiór"));
    add(file, "NoweAnalizy_MainMenu", QStringLiteral("&Nowe Analizy"))->setEnabled(false);
    add(file, "NoweDane1", QStringLiteral("Nowe Dane"));
    add(file, "LoadAnalizy_MainMenu", QStringLiteral("Otwórz Analizy"));
    add(file, "Otwrz1", QStringLiteral("Ładuj Dane"));
    file->addSeparator();
    add(file, "Zachowajjako1", QStringLiteral("Zachowaj Dane"));
    add(file, "SaveAnalizy_MainMenu", QStringLiteral("Zachowaj Analizy"));
    file->addSeparator();
    add(file, "Podgldwydruku1", QStringLiteral("Podgląd wydruku"))->setVisible(false);
    add(file, "ZapiszRaport_MainMenu", QStringLiteral("Zapisz Raport PDF…"));
    add(file, "UstawieniaWydruku1", QStringLiteral("Ustawienia Wydruku"));
    add(file, "Drukuj1", QStringLiteral("Drukuj"), QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    add(file, "Koniec1", QStringLiteral("Koniec"));

    QMenu* edit = addMenu("Edycja1", QStringLiteral("&Edycja"));
    add(edit, "Cofnij1", QStringLiteral("Cofnij"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    add(edit, "Ponow1", QStringLiteral("Ponów"))->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    edit->addSeparator();
    add(edit, "Kopiuj1", QStringLiteral("Kopiuj"), QKeySequence(Qt::CTRL | Qt::Key_C));
    add(edit, "Wytnij1", QStringLiteral("Wytnij"), QKeySequence(Qt::CTRL | Qt::Key_X));
    add(edit, "W1", QStringLiteral("Wklej"), QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    add(edit, "Zamiekropkinaprzecinki2", QStringLiteral("Zamień kropki na przecinki"),
        QKeySequence(Qt::CTRL | Qt::Key_K));
    edit->addSeparator();
    add(edit, "ZaznaczWszystko1", QStringLiteral("Zaznacz Wszystko"),
        QKeySequence(Qt::CTRL | Qt::Key_A));
    add(edit, "UsuWszystko1", QStringLiteral("Usuń wszystkie dane z Arkusza"));
    edit->addSeparator();
    add(edit, "KopiujWykres1", QStringLiteral("Kopiuj Wykres"),
        QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C));

    for (const auto& [name, title] : {std::pair{"Analizy1", QStringLiteral("&Analizy")},
                                      std::pair{"Wykres1", QStringLiteral("&Wykres")}}) {
        QMenu* empty = addMenu(name, title);
        empty->menuAction()->setEnabled(false);
        empty->menuAction()->setVisible(false);
    }

    QMenu* options = addMenu("Opcje1", QStringLiteral("&Opcje"));
    add(options, "Ustawienia1", QStringLiteral("Lokalizacja plików analiz Użytkowników"));

    QMenu* apps = addMenu("Aplikacje1", QStringLiteral("Aplikacje"));
    add(apps, "Explorer1", QStringLiteral("Explorator Windows"));
    add(apps, "Kalkulator1", QStringLiteral("Kalkulator"));
    add(apps, "WordPad1", QStringLiteral("WordPad"));
    add(apps, "Charmap1", QStringLiteral("Tablica znaków"));

    QMenu* info = addMenu("Pomoc2", QStringLiteral("&Informacje"));
    add(info, "Pss1", QStringLiteral("O Programie"));
    add(info, "Info1", QStringLiteral("Co nowego?"));
    add(info, "StronaDomowaPracowni1", QStringLiteral("Strona Domowa Pracowni"));
    add(info, "Historia1", QStringLiteral("Historia"));
}

void TForm1::buildToolBar()
{
    ToolBar1 = addToolBar(QString());
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(22, 22));
    ToolBar1->toggleViewAction()->setEnabled(false);
    const QStyle* s = style();

    struct Button {
        const char* name;
        const char* icon;
        QStyle::StandardPixmap fallback;
        QString hint;
        const char* dropDown;  // the recent-list menu of the button, if any
        bool separatorAfter;
    };
    const Button buttons[] = {
        {"LodaHomePro_ToolButton", "document-open", QStyle::SP_DialogOpenButton,
         QStringLiteral("Otwórz plik z danymi i zaladuj do arkusza"), nullptr, false},
        {"OpenUsers_ToolButton", "config-users", QStyle::SP_DirHomeIcon,
         QStringLiteral("Otwórz istniejącego Użytkownika"), "ListaUsers_PopUp", false},
        {"LoadData_ToolButton", "document-open", QStyle::SP_DialogOpenButton,
         QStringLiteral("Otwórz plik z danymi (także dla wybranego Użytkownika)"),
         "ListaUsersData_PopUp", false},
        {"LoadProjects_ToolButton", "folder-open", QStyle::SP_DirOpenIcon,
         QStringLiteral("Otwórz Analizy (także dla wybranego Użytkownika)"),
         "ListaUsersAnalysis_PopUp", true},
        {"CopyData_ToolButton", "edit-copy", QStyle::SP_FileIcon,
         QStringLiteral("Kopiuj Dane do schowka"), nullptr, false},
        {"CutData_ToolButton", "edit-cut", QStyle::SP_FileIcon,
         QStringLiteral("Wytnij Dane z zaznaczonego obszaru arkusza"), nullptr, false},
        {"PasteData_ToolButton", "edit-paste", QStyle::SP_FileIcon,
         QStringLiteral("Wklej Dane, które są  przechowywane w schowku do karty arkusza"), nullptr,
         false},
        {"DeleteData_ToolButton", "edit-delete", QStyle::SP_TrashIcon,
         QStringLiteral("Usuń wszystkie Dane z arkusza. Wykresy i Analizy pozostaja bez zmian"),
         nullptr, true},
        {"Printer_ToolButton", "document-print", QStyle::SP_FileIcon,
         QStringLiteral("Wydrukuj wykres na drukarce"), nullptr, false},
        {"CopyScreen_ToolButton", "camera-photo", QStyle::SP_DesktopIcon,
         QStringLiteral("Kopiuj obraz wykresu do schowka"), nullptr, true},
        {"OpenExplorator_ToolButton", "system-file-manager", QStyle::SP_DirIcon,
         QStringLiteral("Uruchom aplikację Explorator Windows"), nullptr, false},
        {"OpenCharMap_ToolButton", "accessories-character-map", QStyle::SP_FileIcon,
         QStringLiteral("Uruchom aplikację Tablica Znaków"), nullptr, false},
        {"OpenNotopad_ToolButton", "accessories-text-editor", QStyle::SP_FileIcon,
         QStringLiteral("Uruchom aplikację WordPad"), nullptr, false},
        {"OpenCalculator_ToolButton", "accessories-calculator", QStyle::SP_ComputerIcon,
         QStringLiteral("Uruchoma aplikację Kalkulator"), nullptr, true},
        {"Help_ToolButton", "help-browser", QStyle::SP_DialogHelpButton, QString(), nullptr, false},
        {"ImportantInformation_ToolButton", "dialog-information", QStyle::SP_MessageBoxInformation,
         QStringLiteral("Ważne informacje o programie"), nullptr, false},
        {"WhatNew_ToolButton", "software-update-available", QStyle::SP_FileDialogInfoView,
         QStringLiteral("Zobacz co jest nowego w programie"), nullptr, false},
        {"HomePageLab_ToolButton", "internet-web-browser", QStyle::SP_DriveNetIcon,
         QStringLiteral("Strona domowa Pracowni Fizycznej"), nullptr, false},
        {"History_ToolButton", "x-office-document", QStyle::SP_FileDialogDetailedView,
         QStringLiteral("Historia programu Tallox PL " TALLOX_VERSION_SHORT), nullptr, false},
    };
    for (const Button& b : buttons) {
        QAction* item = makeAction(b.name, QString(), {}, b.hint);
        item->setIcon(themeIcon(b.icon, b.fallback, s));
        ToolBar1->addAction(item);
        QWidget* widget = ToolBar1->widgetForAction(item);
        widget->setObjectName(QLatin1String(b.name));
        if (b.dropDown) {
            auto* menu = new QMenu(this);
            menu->setObjectName(QLatin1String(b.dropDown));
            for (int i = 1; i <= 9; ++i)
                menu->addAction(makeAction(
                    QStringLiteral("%1_N%2").arg(QLatin1String(b.dropDown)).arg(i).toLatin1(),
                    QString::number(i)));
            item->setMenu(menu);
            if (auto* button = qobject_cast<QToolButton*>(widget))
                button->setPopupMode(QToolButton::MenuButtonPopup);
        }
        if (b.separatorAfter)
            ToolBar1->addSeparator();
    }
    action(QStringLiteral("Help_ToolButton"))->setVisible(false);
    action(QStringLiteral("OpenUsers_ToolButton"))->setEnabled(false);
}

void TForm1::buildPopupMenus()
{
    PopUpMenu_Wejsc = new QMenu(this);
    PopUpMenu_Wejsc->setObjectName(QStringLiteral("PopUpMenu_Wejsc"));
    QMenu* sheet = PopUpMenu_Wejsc;
    sheet->addAction(makeAction("Cofnij2", QStringLiteral("Cofnij"), QKeySequence(Qt::CTRL | Qt::Key_Z)));
    sheet->addAction(makeAction("Ponow2", QStringLiteral("Ponów"), QKeySequence(Qt::CTRL | Qt::Key_Y)));
    sheet->addSeparator();
    sheet->addAction(makeAction("Copy1", QStringLiteral("Kopiuj"), QKeySequence(Qt::CTRL | Qt::Key_C)));
    sheet->addAction(makeAction("Clear1", QStringLiteral("Wytnij"), QKeySequence(Qt::CTRL | Qt::Key_X)));
    sheet->addAction(makeAction("Paste1", QStringLiteral("Wklej"), QKeySequence(Qt::CTRL | Qt::Key_V)));
    sheet->addSeparator();
    sheet->addAction(makeAction("Zamiekropkinaprzecinki1", QStringLiteral("Zamień kropki na przecinki"),
                                QKeySequence(Qt::CTRL | Qt::Key_K)));
    sheet->addSeparator();
    sheet->addAction(makeAction("Select_All", QStringLiteral("Zaznacz Wszystko"),
                                QKeySequence(Qt::CTRL | Qt::Key_A)));
    sheet->addAction(makeAction("ClearAll1", QStringLiteral("Usuń wszystkie dane z Arkusza"), {},
                                QStringLiteral("Wykresy i Analizy pozostaja bez zmian")));
    // The pop-up only shows its shortcuts; the main menu's items with the same keys act on them.
    for (QAction* item : sheet->actions())
        item->setShortcutContext(Qt::WidgetShortcut);
    F1Book1->view()->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(F1Book1->view(), &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopUpMenu_Wejsc->popup(F1Book1->view()->viewport()->mapToGlobal(at));
    });

    PopupMenu_Wykresu = new QMenu(this);
    PopupMenu_Wykresu->setObjectName(QStringLiteral("PopupMenu_Wykresu"));
    QMenu* chart = PopupMenu_Wykresu;
    for (const auto& [name, text] : {std::pair{"Siatkapionowa1", QStringLiteral(" Siatka pionowa")},
                                     std::pair{"Siatkapozioma1", QStringLiteral(" Siatka pozioma")}}) {
        QAction* grid = makeAction(name, text);
        grid->setCheckable(true);
        grid->setChecked(true);
        chart->addAction(grid);
    }
    QAction* results = makeAction("Pokazwynikiregresji1", QStringLiteral(" Pokaż wyniki regresji"));
    results->setEnabled(false);
    chart->addAction(results);
    chart->addSeparator();
    QAction* advanced = makeAction("Zaawansowaneopcjeosi1", QStringLiteral("Zaawansowane opcje osi"));
    advanced->setEnabled(false);
    chart->addAction(advanced);
    chart->addSeparator();
    chart->addAction(makeAction("Drukuj2", QStringLiteral("Drukuj Wykres"), QKeySequence(Qt::CTRL | Qt::Key_P)));
    chart->addAction(makeAction("KopiujWykres2", QStringLiteral("Kopiuj Wykres"),
                                QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_C)));
    chart->addAction(makeAction("ZapiszWykresJako1", QStringLiteral("Zapisz Wykres jako…")));
    chart->addAction(makeAction("ZapiszRaport1", QStringLiteral("Zapisz Raport PDF…")));
    for (QAction* item : chart->actions())
        item->setShortcutContext(Qt::WidgetShortcut);
    Chart1->setContextMenu(PopupMenu_Wykresu);
}

void TForm1::connectCommands()
{
    auto on = [this](std::initializer_list<const char*> names, auto&& handler) {
        for (const char* name : names)
            connect(action(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on({"NoweDane1"}, &TForm1::NewDane_ButtonClick);
    connect(Dane_TabSheet->NewDane_Button, &QPushButton::clicked, this,
            &TForm1::NewDane_ButtonClick);
    on({"UsuWszystko1", "ClearAll1", "DeleteData_ToolButton"}, &TForm1::UsuWszystko1Click);
    on({"Kopiuj1", "Copy1", "CopyData_ToolButton"}, [this] { F1Book1->CopySelection(); });
    on({"Wytnij1", "Clear1", "CutData_ToolButton"}, [this] { F1Book1->CutSelection(); });
    on({"W1", "Paste1", "PasteData_ToolButton"}, [this] { F1Book1->PasteClipboard(); });
    on({"ZaznaczWszystko1", "Select_All"}, &TForm1::ZaznaczWszystko1Click);
    attachUndoItems(*F1Book1->undoStack(), action(QStringLiteral("Cofnij1")), action(QStringLiteral("Ponow1")));
    attachUndoItems(*F1Book1->undoStack(), action(QStringLiteral("Cofnij2")), action(QStringLiteral("Ponow2")));
    on({"Otwrz1", "LodaHomePro_ToolButton", "LoadData_ToolButton"},
       [this] { dataFiles->Ladowanie_Danych(); });
    connect(Dane_TabSheet->LoadData_Button, &QPushButton::clicked, dataFiles,
            &DataFiles::Ladowanie_Danych);
    on({"Zachowajjako1"}, [this] { dataFiles->Zachowaj_Dane(); });
    connect(Dane_TabSheet->SaveData_Button, &QPushButton::clicked, dataFiles,
            &DataFiles::Zachowaj_Dane);
    on({"Zamiekropkinaprzecinki2", "Zamiekropkinaprzecinki1"},
       [this] { dataFiles->ZamianaKropek_naPrzecinki(); });
    // A recent data file of the user: the item's caption is the file's path.
    for (int i = 1; i <= 9; ++i) {
        QAction* item = action(QStringLiteral("ListaUsersData_PopUp_N%1").arg(i));
        connect(item, &QAction::triggered, this, [this, item] {
            dataFiles->Ogolna_procedure_Ladowania_Danych_zPopupu(item->text());
        });
    }
    on({"UstawieniaWydruku1"}, &TForm1::UstawieniaWydruku1Click);
    on({"Koniec1"}, &TForm1::Koniec1Click);
    on({"Explorer1", "OpenExplorator_ToolButton"}, [] { tallox::openExternal("explorer.exe"); });
    on({"Kalkulator1", "OpenCalculator_ToolButton"}, [] { tallox::openExternal("calc.exe"); });
    on({"WordPad1", "OpenNotopad_ToolButton"}, [] { tallox::openExternal("wordpad.exe"); });
    on({"Charmap1", "OpenCharMap_ToolButton"}, [] { tallox::openExternal("charmap.exe"); });
    on({"Pss1", "ImportantInformation_ToolButton"}, &TForm1::Pss1Click);
    on({"Info1", "WhatNew_ToolButton"}, &TForm1::Info1Click);
    on({"Historia1", "History_ToolButton"}, &TForm1::Historia1Click);
    on({"StronaDomowaPracowni1", "HomePageLab_ToolButton"}, &TForm1::StronaDomowaPracowni1Click);
    on({"Drukuj1", "Drukuj2", "Printer_ToolButton"}, &TForm1::printChart);
    on({"KopiujWykres1", "KopiujWykres2", "CopyScreen_ToolButton"}, &TForm1::copyChart);
    on({"ZapiszWykresJako1"}, &TForm1::ZapiszWykresJako1Click);
    on({"ZapiszRaport_MainMenu", "ZapiszRaport1"}, &TForm1::ZapiszRaport_MainMenuClick);
    giveResultListsReportTexts();
    connect(Chart1, &tallox::Chart::axisClicked, this, &TForm1::Chart1ClickAxis);
    Wykresy_TabSheet->attachGridMenuItems(action(QStringLiteral("Siatkapionowa1")),
                                          action(QStringLiteral("Siatkapozioma1")));
}
