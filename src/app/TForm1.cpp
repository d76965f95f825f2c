#include "app/TForm1.h"

#include "analyses/AnalysesPage.h"
#include "app/DataPage.h"
#include "app/OtherForms.h"
#include "app/SettingsPage.h"
#include "app/TForm12.h"
#include "app/TForm13.h"
#include "app/TForm2.h"
#include "app/TextFileDialog.h"
#include "chart/Chart.h"
#include "common/Dialogs.h"
#include "figures/FigureTable.h"
#include "figures/FiguresPage.h"
#include "users/Leaders.h"
#include "users/UserForms.h"
#include "users/UserRegistry.h"
#include "common/Links.h"
#include "common/Messages.h"
#include "common/PanelStatusBar.h"
#include "common/TextFile.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/DataFiles.h"
#include "worksheet/Recovery.h"
#include "worksheet/SheetText.h"
#include "worksheet/SheetUndo.h"
#include "worksheet/TF1Book.h"
#include "tallox_version.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QVBoxLayout>
#include <memory>
#include <stdexcept>

using namespace tallox;

namespace {
// Offers the recovery files of programs that no longer run, newest first, one at a time on the
// bar of the "Dane" page.
void offerLeftFiles(DataPage& page, SheetRecovery& recovery, PanelStatusBar& status,
                    const QString& programFolder)
{
    auto left = std::make_shared<QVector<SheetRecovery::LeftFile>>(
        SheetRecovery::findLeftFiles(programFolder));
    if (left->isEmpty())
        return;
    auto showNext = [&page, left] {
        if (left->isEmpty()) {
            page.hideRecoveryBar();
            return;
        }
        const SheetRecovery::LeftFile& file = left->front();
        QString text = QStringLiteral("Znaleziono niezapisane dane z poprzedniej sesji (")
                     + file.written.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))
                     + QStringLiteral(").");
        if (!file.readable)
            text += QStringLiteral(" Plik jest uszkodzony i nie można go odczytać.");
        page.showRecoveryBar(text, file.readable);
    };
    QObject::connect(page.Przywroc_Button, &QPushButton::clicked, &recovery,
                     [&recovery, &status, left, showNext] {
                         if (left->isEmpty())
                             return;
                         recovery.restore(left->front());
                         status.setPanelText(0, QStringLiteral("odzyskane dane"));
                         // This window's sheet now holds them: the other files stay for later.
                         left->clear();
                         showNext();
                     });
    QObject::connect(page.Odrzuc_Button, &QPushButton::clicked, &recovery, [left, showNext] {
        if (left->isEmpty())
            return;
        SheetRecovery::discard(left->front());
        left->removeFirst();
        showNext();
    });
    showNext();
}

// The chart takes the page's width less the column of figure inputs on its right.
constexpr int kFigureInputsWidth = 280;
} // namespace

TForm1::TForm1(Edition edition, QWidget* parent)
    : QMainWindow(parent), edition_(edition), columnTable_(std::make_unique<ColumnTable>()),
      figureTable_(std::make_unique<FigureTable>())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("  Tallox PL " TALLOX_VERSION_SHORT " beta"));
    setGeometry(31, 31, 958, 699);

    buildPages();
    buildMenus();
    buildToolBar();
    buildPopupMenus();
    dataFiles = new DataFiles(*F1Book1, *StatusBar1, UsersHomeFolder,
                              {[this] { figureTable_->resetCount(); },
                               [this] {
                                   if (users)
                                       users->Operacja_LoadPopUpUserDatas(StatusBar1->panelText(1));
                               }},
                              this);
    connectCommands();
    FormCreate();

    // The other forms, in their order of creation; the main window exists and has read the
    // folders they need.
    Form2 = new TForm2(*this, this);
    Form3 = new TForm3(ProgramFolder, this);
    Form4 = new TForm4(ProgramFolder, this);
    Form6 = new TForm6(this);
    Form7 = new TForm7(this);
    Form8 = new TForm8(this);
    Form9 = new TForm9(this);
    Form12 = new TForm12(*this, this);
    Form13 = new TForm13(this);
    Form14 = new TForm14(this);
    Form15 = new TForm15(this);
    buildRegistries();

    // The sheet is kept in a recovery file while the program runs.
    auto* recovery = new SheetRecovery(*F1Book1, ProgramFolder, this);
    offerLeftFiles(*Dane_TabSheet, *recovery, *StatusBar1, ProgramFolder);
}

TForm1::~TForm1()
{
    // Before the sheet goes: the recovery writes what is pending, or removes its file.
    delete findChild<SheetRecovery*>(QString(), Qt::FindDirectChildrenOnly);
}

ColumnTable& TForm1::columnTable() { return *columnTable_; }

FigureTable& TForm1::figureTable() { return *figureTable_; }

QPrinter& TForm1::printer()
{
    if (!printer_) {
        // Made on first use: asking the print system for its printers costs start-up time.
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer_->setPageOrientation(QPageLayout::Landscape);
    }
    return *printer_;
}

QAction* TForm1::action(const QString& name) const
{
    QAction* found = findChild<QAction*>(name);
    // Every name the program looks up is one it created: a miss is a programming error.
    Q_ASSERT_X(found, "TForm1::action", qPrintable(name));
    if (!found)
        throw std::logic_error("no menu item or tool button named " + name.toStdString());
    return found;
}

void TForm1::buildPages()
{
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(2);

    // The hint line: under the tool bar, from 210 px to the right edge.
    auto* hintRow = new QHBoxLayout;
    hintRow->setContentsMargins(210, 0, 4, 0);
    StatusBar2 = new QLabel(central);
    StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
    StatusBar2->setTextFormat(Qt::PlainText);
    StatusBar2->setMinimumWidth(200);
    StatusBar2->resize(736, StatusBar2->sizeHint().height());
    StatusBar2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    StatusBar2->setAutoFillBackground(true);
    StatusBar2->setBackgroundRole(QPalette::ToolTipBase);
    StatusBar2->setForegroundRole(QPalette::ToolTipText);
    StatusBar2->setContentsMargins(4, 1, 4, 1);
    hintRow->addWidget(StatusBar2, 1);
    column->addLayout(hintRow);

    PageControl1 = new QTabWidget(central);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->installEventFilter(this);
    column->addWidget(PageControl1, 1);
    setCentralWidget(central);

    Dane_TabSheet = new DataPage;
    F1Book1 = Dane_TabSheet->F1Book1;
    // A number typed in the other convention stays a text; the hint line says so at once.
    connect(F1Book1, &TF1Book::numberKeptAsText, this, [this](int row, int col, const QString& text) {
        StatusBar2->setText(tallox::otherConventionHint(row, col, text));
    });
    // An undo or redo puts cells back: the layout that follows from them is applied again, and
    // the block it changed is selected.
    connect(F1Book1, &TF1Book::stepApplied, this, [this](int r1, int c1, int r2, int c2) {
        Kolorowanie_Kolumn(*F1Book1);
        F1Book1->SetActiveCell(r1, c1);
        F1Book1->setSelEndRow(r2);
        F1Book1->setSelEndCol(c2);
    });
    PageControl1->addTab(Dane_TabSheet, QStringLiteral("Dane"));

    Chart1 = new Chart;
    Wykresy_TabSheet = new FiguresPage(*F1Book1, *columnTable_, *figureTable_, *Chart1);
    PageControl1->addTab(Wykresy_TabSheet, QStringLiteral("Wykresy"));

    Analizy_TabSheet = new AnalysesPage(*F1Book1, *columnTable_, *figureTable_, *Chart1, *Wykresy_TabSheet);
    PageControl1->addTab(Analizy_TabSheet, QStringLiteral("Analizy"));

    settingsPage = new SettingsPage;
    MainOptions_TabSheet = settingsPage;
    PageControl1->addTab(MainOptions_TabSheet, QStringLiteral("Opcje i ustawienia programu"));

    StatusBar1 = new PanelStatusBar({{400, Qt::AlignHCenter}, {130, Qt::AlignHCenter},
                                     {446, Qt::AlignLeft}},
                                    this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    setStatusBar(StatusBar1);
}

void TForm1::FormCreate()
{
    // The program's folder is where it was started.
    ProgramFolder = QDir::currentPath();
    // Hints go to the hint line: see event().
    // The settings file.
    readSettingsFile();
    // Recent-list menus start empty; they are filled as users are opened.
    for (const char* menu : {"ListaUsers_PopUp", "ListaUsersAnalysis_PopUp", "ListaUsersData_PopUp"})
        for (int i = 1; i <= 9; ++i)
            action(QStringLiteral("%1_N%2").arg(QLatin1String(menu)).arg(i))->setVisible(false);
    // Result labels are empty until an analysis runs.
    clearResultLabels();
    // No figure yet: every series of the chart empty and switched off.
    for (int i = 0; i < Chart::seriesCount; ++i) {
        Chart1->series(i).clear();
        Chart1->series(i).setActive(false);
    }
    // What this edition offers.
    applyEdition();
    // The printer prints landscape: see printer().
    // One sheet, headings not editable.
    F1Book1->setShowTabs(0);
    F1Book1->setAllowEditHeaders(false);
    // The sheet layout.
    Kolorowanie_Kolumn(*F1Book1);
}

void TForm1::readSettingsFile()
{
    const QString path = ProgramFolder + QStringLiteral("/tallox2.ini");
    if (!QFile::exists(path)) {
        // First run in this folder: the users' home is the program's folder. A folder where the
        // file cannot be written is no reason to stop.
        writeTextLines(path, {QDir::toNativeSeparators(ProgramFolder)});
        UsersHomeFolder = ProgramFolder;
        return;
    }
    const QStringList lines = readTextLines(path);
    UsersHomeFolder = lines.isEmpty() ? QString() : QDir::fromNativeSeparators(lines.first());
}

void TForm1::clearResultLabels()
{
    Analizy_TabSheet->clearResults();
}

void TForm1::applyEdition()
{
    const bool full = edition_ == Edition::Full;
    // The full edition offers the registry, the leaders and exercises and the analysis sets;
    // the home edition none of them.
    settingsPage->setPagesVisible(full);
    action(QStringLiteral("Ustawienia1"))->setVisible(full);
    Wykresy_TabSheet->setExercisePageVisible(full);
    if (full) {
        for (QPushButton* button : {Dane_TabSheet->LoadProjects_Button,
                                    Dane_TabSheet->ZachowajAnalizy_Button, Dane_TabSheet->NewProject_Button})
            button->show();
        Dane_TabSheet->LoadProjects_Button->setEnabled(true);
        Dane_TabSheet->ZachowajAnalizy_Button->setEnabled(true);
        return;
    }
    action(QStringLiteral("OpenUsers_ToolButton"))->setVisible(false);
    action(QStringLiteral("LodaHomePro_ToolButton"))->setVisible(true);
    action(QStringLiteral("LoadData_ToolButton"))->setVisible(false);
    action(QStringLiteral("LoadProjects_ToolButton"))->setVisible(false);
    for (const char* name : {"UserID_MainMenu", "NoweAnalizy_MainMenu", "LoadAnalizy_MainMenu",
                             "SaveAnalizy_MainMenu"})
        action(QLatin1String(name))->setVisible(false);
    Dane_TabSheet->NewDane_Button->move(125, Dane_TabSheet->NewDane_Button->y());
    Dane_TabSheet->placeSaveButton(275);
    setWindowTitle(windowTitle() + QStringLiteral("  Home Edition"));
}

void TForm1::realignToolBar()
{
    ToolBar1->adjustSize();
    ToolBar1->update();
}

void TForm1::FormResize()
{
    Chart1->resize(std::max(0, PageControl1->width() - kFigureInputsWidth), Chart1->height());
}

bool TForm1::event(QEvent* event)
{
    // The hint of the control under the mouse goes to the hint line, not to the status bar,
    // whose panels hold the data file and the user.
    if (event->type() == QEvent::StatusTip) {
        StatusBar2->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize && watched == PageControl1)
        FormResize();
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::NewDane_ButtonClick()
{
    const MessageAnswer answer = showMessage(
        {MessageIcon::Question, kConfirmCaption,
         QStringLiteral("Uwaga opcja usuwa bezpowrotnie wszystkie dane z Arkusza oraz wszystkie "
                        "wykresy ! Analizy pozostaja nienaruszone !                       Usunac ?"),
         MessageButtons::YesNo});
    if (answer != MessageAnswer::Yes)
        return;
    const SheetChange change(*F1Book1, stepNames::newData);
    F1Book1->ClearRange(1, 1, F1Book1->MaxRow(), F1Book1->MaxCol(), TF1Book::ClearKind::All);
    StatusBar1->setPanelText(0, QString());
    Kolorowanie_Kolumn(*F1Book1);
    // The question promises the figures go as well.
    Wykresy_TabSheet->removeFigureIfPresent();
}

void TForm1::UsuWszystko1Click()
{
    const SheetChange change(*F1Book1, stepNames::clearAll);
    F1Book1->ClearRange(1, 1, F1Book1->MaxRow(), F1Book1->MaxCol(), TF1Book::ClearKind::All);
    Kolorowanie_Kolumn(*F1Book1);
}

void TForm1::ZaznaczWszystko1Click()
{
    F1Book1->setSelStartRow(1);
    F1Book1->setSelStartCol(1);
    F1Book1->setSelEndCol(F1Book1->MaxCol());
    F1Book1->setSelEndRow(F1Book1->MaxRow());
    F1Book1->setFocus();
}

void TForm1::UstawieniaWydruku1Click() { runPrinterSetupDialog(printer()); }

void TForm1::Koniec1Click() { close(); }

void TForm1::Pss1Click() { execModal(*Form2); }

void TForm1::Info1Click() { execModal(*Form4); }

void TForm1::Historia1Click() { execModal(*Form3); }

void TForm1::StronaDomowaPracowni1Click() { openExternal(links::kLaboratoryPage); }

void TForm1::printChart()
{
    if (runPrintDialog(printer()))
        Chart1->print(printer());
}

void TForm1::copyChart() { Chart1->copyToClipboard(); }

void TForm1::Chart1ClickAxis() { execModal(*Form15); }
