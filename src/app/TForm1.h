#pragma once
// The main window: the pages "Dane", "Wykresy", "Analizy" and "Opcje i ustawienia programu", the
// menus, the tool bar, the hint line and the status bar, and the state every page shares.
#include "app/Edition.h"

#include <QMainWindow>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QPrinter;
class QTabWidget;
class QToolBar;
class AnalysesPage;
class AnalysisSets;
class SettingsPage;
class ColumnTable;
class DataFiles;
class DataPage;
class TF1Book;
class TForm2;
class TForm3;
class TForm4;
class TForm6;
class TForm7;
class TForm8;
class TForm9;
class TForm12;
class TForm13;
class TForm14;
class TForm15;
namespace tallox {
class Chart;
class FigureTable;
class FiguresPage;
class PanelStatusBar;
namespace users {
class LeaderRegistry;
class UserRegistry;
}
struct LabReportContent;
}

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(Edition edition = defaultEdition(), QWidget* parent = nullptr);
    ~TForm1() override;

    Edition edition() const { return edition_; }

    // Folders: the program's (the current folder at start) and the users' home folder.
    QString ProgramFolder, UsersHomeFolder;

    TF1Book* F1Book1 = nullptr;
    tallox::Chart* Chart1 = nullptr;
    tallox::PanelStatusBar* StatusBar1 = nullptr;  // 0 data file, 1 user, 2 user's folder
    QLabel* StatusBar2 = nullptr;                  // the hint line
    QTabWidget* PageControl1 = nullptr;
    QToolBar* ToolBar1 = nullptr;
    DataPage* Dane_TabSheet = nullptr;
    tallox::FiguresPage* Wykresy_TabSheet = nullptr;
    AnalysesPage* Analizy_TabSheet = nullptr;
    QWidget* MainOptions_TabSheet = nullptr;
    SettingsPage* settingsPage = nullptr;  // the same page
    QMenu* PopUpMenu_Wejsc = nullptr;
    QMenu* PopupMenu_Wykresu = nullptr;

    TForm2* Form2 = nullptr;
    TForm3* Form3 = nullptr;
    TForm4* Form4 = nullptr;
    TForm6* Form6 = nullptr;
    TForm7* Form7 = nullptr;
    TForm8* Form8 = nullptr;
    TForm9* Form9 = nullptr;
    TForm12* Form12 = nullptr;
    TForm13* Form13 = nullptr;
    TForm14* Form14 = nullptr;
    TForm15* Form15 = nullptr;

    ColumnTable& columnTable();
    tallox::FigureTable& figureTable();
    // Loading and saving data files, dots to commas.
    DataFiles* dataFiles = nullptr;
    // The user registry, the leaders and exercises, the analysis sets.
    tallox::users::UserRegistry* users = nullptr;
    tallox::users::LeaderRegistry* leaders = nullptr;
    AnalysisSets* analysisSets = nullptr;
    // The printer the chart is printed on: landscape from start-up until a printer dialog
    // changes it.
    QPrinter& printer();
    // A menu item or tool-bar command by its name.
    QAction* action(const QString& name) const;

    // Tool-bar buttons hidden or shown during start-up take their places.
    void realignToolBar();

public slots:
    void FormResize();
    void NewDane_ButtonClick();
    void UsuWszystko1Click();
    void ZaznaczWszystko1Click();
    void UstawieniaWydruku1Click();
    void Koniec1Click();
    void Pss1Click();
    void Info1Click();
    void Historia1Click();
    void StronaDomowaPracowni1Click();
    void printChart();
    void copyChart();
    void ZapiszWykresJako1Click();
    // "Zapisz Raport PDF…": the chart, the results and the figure's data on one PDF document.
    void ZapiszRaport_MainMenuClick();
    void Chart1ClickAxis();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    tallox::LabReportContent labReportContent();
    // Every result list writes its rows in report notation (tool tips, "Kopiuj jako wynik z
    // niepewnością").
    void giveResultListsReportTexts();
    void buildPages();
    void buildMenus();
    void buildToolBar();
    void buildPopupMenus();
    void connectCommands();
    void readSettingsFile();
    void clearResultLabels();
    void applyEdition();
    void buildRegistries();
    QAction* makeAction(const char* name, const QString& text, const QKeySequence& shortcut = {},
                        const QString& hint = {});

    Edition edition_;
    std::unique_ptr<ColumnTable> columnTable_;
    std::unique_ptr<tallox::FigureTable> figureTable_;
    std::unique_ptr<QPrinter> printer_;
};
