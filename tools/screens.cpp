// Renders every page of the main window and every dialog to PNG files, with sample
// measurements in the sheet, so the user interface can be looked at without a display.
//   tallox_screens <output folder>
#include "analyses/AnalysesPage.h"
#include "analyses/LinearizationPage.h"
#include "analyses/MeanPage.h"
#include "analyses/PlanningPage.h"
#include "analyses/RegressionPage.h"
#include "app/OtherForms.h"
#include "app/TForm1.h"
#include "app/TForm12.h"
#include "app/TForm13.h"
#include "app/TForm2.h"
#include "app/TalloxApplication.h"
#include "app/TextFileDialog.h"
#include "common/TextFile.h"
#include "users/Leaders.h"
#include "users/UserForms.h"
#include "users/UserRegistry.h"
#include "worksheet/Recovery.h"
#include "worksheet/TF1Book.h"
#include "worksheet/formats/SheetFile.h"
#include <QUndoStack>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QDir>
#include <QKeyEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QToolBar>
#include <QPushButton>
#include <QLocale>
#include <QTabWidget>
#include "common/Dialogs.h"
#include "common/Messages.h"
#include <QTextStream>
#include <cmath>

namespace {
// A pendulum: length in metres and ten swings in seconds, with a stray dotted value.
void fillSampleData(TF1Book& sheet)
{
    const double lengths[] = {0.20, 0.30, 0.40, 0.50, 0.60, 0.70, 0.80, 0.90, 1.00};
    for (int i = 0; i < 9; ++i) {
        const double period = 2 * M_PI * std::sqrt(lengths[i] / 9.81);
        sheet.setCellNumber(i + 1, 1, lengths[i]);
        sheet.setCellNumber(i + 1, 2, std::round(period * 10 * 100) / 100);
        sheet.setCellNumber(i + 1, 3, 0.005);
        sheet.setCellNumber(i + 1, 4, 0.2);
    }
    sheet.setCellText(10, 2, QStringLiteral("9.51"));
    sheet.setCellText(12, 1, QStringLiteral("długość wahadła [m]"));
}

// The window's control of that name; the pictures are of controls that exist.
template <class T>
T* named(QWidget& window, const char* name)
{
    T* control = window.findChild<T*>(QLatin1String(name));
    if (!control)
        qFatal("tallox_screens: no control %s", name);
    return control;
}

bool save(QWidget& widget, const QString& folder, const QString& name)
{
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    const bool ok = widget.grab().save(path);
    QTextStream(stdout) << (ok ? "" : "FAILED ") << path << '\n';
    return ok;
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    TalloxApplication app(argc, argv);
    // The pictures show what a student in Poland sees: decimal commas.
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screens");
    QDir().mkpath(folder);

    // Boxes are recorded, not shown: the pictures are of the pages.
    tallox::setMessageHandler([](const tallox::Message& m) {
        QTextStream(stdout) << "box: " << m.caption << " | " << m.text << '\n';
        return tallox::MessageAnswer::Ok;
    });
    TForm1 form;
    fillSampleData(*form.F1Book1);
    form.show();
    app.processEvents();
    bool ok = true;
    const char* pages[] = {"1-dane", "2-wykresy", "3-analizy", "4-opcje"};
    for (int i = 0; i < form.PageControl1->count(); ++i) {
        form.PageControl1->setCurrentIndex(i);
        app.processEvents();
        ok &= save(form, folder, QStringLiteral("main-%1").arg(QLatin1String(pages[i])));
    }
    // A figure of the sample data: periods against lengths, a common X uncertainty and Y
    // uncertainties from column D.
    form.PageControl1->setCurrentIndex(1);
    named<QPushButton>(form, "AddFigure_Button")->click();
    auto choose = [](QComboBox* picker, int index) {
        picker->setCurrentIndex(index);
        emit picker->activated(index);
    };
    choose(named<QComboBox>(form, "TypNiepX_ComboBox"), 1);
    auto* valueX = named<QLineEdit>(form, "NiepX_Edit");
    valueX->setText(QStringLiteral("0,05"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(valueX, &enter);
    named<QComboBox>(form, "NrKolumnyNiepewnosciY_ComboBox")->setCurrentIndex(3);
    choose(named<QComboBox>(form, "TypNiepY_ComboBox"), 2);
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-2-wykresy-figura"));

    // The analysis pages with results of the sample data.
    AnalysesPage& analyses = *form.Analizy_TabSheet;
    form.PageControl1->setCurrentIndex(2);
    analyses.meanPage->BitBtn6->click();
    analyses.meanPage->NrKolumnySredniejStandardowej_ComboBox->setCurrentIndex(1);
    analyses.meanPage->BitBtn6->click();
    analyses.planningPage->Planowanie_Button->click();
    analyses.meanPage->TypObliczenSredniej_ComboBox->setCurrentIndex(1);
    emit analyses.meanPage->TypObliczenSredniej_ComboBox->activated(1);
    analyses.meanPage->NrKolumnySrednich_SredniejWazowej_ComboBox->setCurrentIndex(1);
    analyses.meanPage->NrKolumnyNiepewnosci_SredniejWazowej_ComboBox->setCurrentIndex(3);
    analyses.meanPage->BitBtn6->click();
    // An effective fit of the figure: the result row, the line and the results on the chart.
    analyses.pages->setCurrentIndex(2);
    app.processEvents();
    analyses.regressionPage->TypObliczenRegresji_ComboBox->setCurrentIndex(2);
    emit analyses.regressionPage->TypObliczenRegresji_ComboBox->activated(2);
    analyses.regressionPage->BitBtn8->click();
    const char* subPages[] = {"srednia", "planowanie", "regresja", "linearyzacja"};
    for (int i = 0; i < analyses.pages->count(); ++i) {
        analyses.pages->setCurrentIndex(i);
        app.processEvents();
        ok &= save(form, folder, QStringLiteral("main-3-analizy-%1").arg(QLatin1String(subPages[i])));
    }
    form.PageControl1->setCurrentIndex(1);
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-2-wykresy-regresja"));
    // "Drukuj" on a PDF printer: the page as a student's printer gets it (scripts/screens turns
    // it into a PNG where pdftoppm is installed).
    tallox::setPrintDialogHandler([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(folder + QStringLiteral("/printed-page.pdf"));
        return true;
    });
    form.findChild<QAction*>(QStringLiteral("Drukuj1"))->trigger();
    tallox::setPrintDialogHandler({});
    ok &= QFile::exists(folder + QStringLiteral("/printed-page.pdf"));
    // The pendulum's period against its length as a power law, T = C·L^n (n near 1/2): the
    // page with the law's parameters, and the figure re-plotted in ln L, ln T.
    form.PageControl1->setCurrentIndex(2);
    analyses.pages->setCurrentWidget(analyses.linearizationPage);
    analyses.linearizationPage->TypLinearyzacji_ComboBox->setCurrentIndex(0);
    analyses.linearizationPage->Linearyzacja_Button->click();
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-3-analizy-linearyzacja-potegowa"));
    form.PageControl1->setCurrentIndex(1);
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-2-wykresy-linearyzacja"));
    form.PageControl1->setCurrentIndex(0);

    QDialog* dialogs[] = {form.Form12, form.Form2, form.Form3, form.Form4, form.Form13,
                          form.Form14, form.Form15, form.Form6, form.Form7, form.Form8,
                          form.Form9};
    for (QDialog* dialog : dialogs) {
        dialog->show();
        app.processEvents();
        ok &= save(*dialog, folder, QStringLiteral("dialog-") + dialog->objectName().toLower());
        dialog->hide();
    }
    form.Form12->reduceToContinueButton();
    form.Form12->show();
    app.processEvents();
    ok &= save(*form.Form12, folder, QStringLiteral("dialog-form12-reduced"));
    form.Form12->hide();

    // The axis page of the figure options, with a title and a fixed left axis, and the menus.
    form.PageControl1->setCurrentIndex(1);
    auto* optionPages = named<QTabWidget>(form, "figureOptionsPages");
    optionPages->setCurrentWidget(named<QWidget>(form, "Osie_TabSheet"));
    auto* figureTitle = named<QLineEdit>(form, "FigureTitle_Edit");
    figureTitle->setText(QStringLiteral("Okres drgań wahadła"));
    named<QPushButton>(form, "AcceptFigureTittle_Button")->click();
    named<QPushButton>(form, "AutoUpDown_Button")->click();
    named<QTabWidget>(form, "ParametryOsi_PageControl")->setCurrentIndex(0);
    app.processEvents();
    named<QScrollArea>(form, "figureInputsArea")->ensureWidgetVisible(optionPages);
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-2-wykresy-osie"));
    if (auto* area = form.findChild<QWidget*>(QStringLiteral("figureInputs")))
        ok &= save(*area, folder, QStringLiteral("main-2-wykresy-osie-kolumna"));
    for (const char* menuName : {"Zbior1", "Edycja1", "Aplikacje1", "Pomoc2", "PopUpMenu_Wejsc",
                                 "PopupMenu_Wykresu"}) {
        auto* menu = named<QMenu>(form, menuName);
        menu->popup(form.mapToGlobal(QPoint(40, 60)));
        app.processEvents();
        ok &= save(*menu, folder, QStringLiteral("menu-") + QLatin1String(menuName).toString().toLower());
        menu->hide();
    }
    ok &= save(*form.ToolBar1, folder, QStringLiteral("toolbar"));

    // The full edition with a user open: a registered user with entries, leaders, a saved set.
    QDir().mkpath(QStringLiteral("Nowak"));
    tallox::writeTextLines(QStringLiteral("users.ini"), {QStringLiteral("Kowalski"), QStringLiteral("Nowak")});
    tallox::writeTextLines(QStringLiteral("Nowak/Nowak.ini"),
                           {QStringLiteral("Nowak"), QStringLiteral("Anna Nowak"),
                            QStringLiteral("II rok Fizyka"), QStringLiteral("Grupa 3"),
                            QStringLiteral("anna.nowak@example.edu.pl")});
    tallox::writeTextLines(QStringLiteral("Nowak/Nowak_ana.ini"),
                           {QDir::toNativeSeparators(QDir::currentPath() + QStringLiteral("/wahadlo_ana"))});
    tallox::writeTextLines(QStringLiteral("liders.ini"), {QStringLiteral("Kowalska"), QStringLiteral("Zieliński")});
    tallox::writeTextLines(QStringLiteral("classes.ini"), {QStringLiteral("Wahadło matematyczne - 1")});
    TForm1 full(Edition::Full);
    full.show();
    full.users->Operacja_Otwierania_Uzytkownika(QStringLiteral("Nowak"));
    app.processEvents();
    ok &= save(full, folder, QStringLiteral("full-1-dane-uzytkownik"));
    full.PageControl1->setCurrentWidget(full.MainOptions_TabSheet);
    app.processEvents();
    ok &= save(full, folder, QStringLiteral("full-4-opcje"));
    full.PageControl1->setCurrentIndex(1);
    named<QTabWidget>(full, "figureOptionsPages")->setCurrentWidget(named<QWidget>(full, "Dodatki_TabSheet"));
    app.processEvents();
    named<QScrollArea>(full, "figureInputsArea")->ensureWidgetVisible(named<QWidget>(full, "figureOptionsPages"));
    app.processEvents();
    ok &= save(full, folder, QStringLiteral("full-2-wykresy-dodatki"));
    full.Form7->NazwaUsera_ComboBox->setEditText(QStringLiteral("Nowak"));
    full.users->Pokaz_Info_Usera(QStringLiteral("Nowak"));
    for (QDialog* dialog : std::initializer_list<QDialog*>{full.Form6, full.Form7, full.Form8, full.Form9}) {
        dialog->show();
        app.processEvents();
        ok &= save(*dialog, folder, QStringLiteral("full-dialog-") + dialog->objectName().toLower());
        dialog->hide();
    }
    auto* usersMenu = named<QMenu>(full, "ListaUsers_PopUp");
    usersMenu->popup(full.mapToGlobal(QPoint(40, 60)));
    app.processEvents();
    ok &= save(*usersMenu, folder, QStringLiteral("full-menu-uzytkownicy"));
    usersMenu->hide();
    // "Edycja" with a step to undo and one to redo.
    form.F1Book1->enterText(12, 1, QStringLiteral("1,25"));
    form.F1Book1->enterText(12, 2, QStringLiteral("0,75"));
    form.action(QStringLiteral("Cofnij1"))->trigger();
    auto* edit = named<QMenu>(form, "Edycja1");
    edit->popup(form.mapToGlobal(QPoint(40, 60)));
    app.processEvents();
    ok &= save(*edit, folder, QStringLiteral("menu-edycja1-cofnij"));
    edit->hide();

    // The "Dane" page of a new window that finds the recovery file of a program that no longer runs.
    const QString recoveryFolder = tallox::SheetRecovery::folder(form.ProgramFolder);
    const QString leftFile = recoveryFolder + QStringLiteral("/arkusz-999999999-1.tlx");
    QDir().mkpath(recoveryFolder);
    tallox::writeSheetFile(leftFile, tallox::SheetFileType::Tlx, form.F1Book1->sheetCells(), QLocale());
    {
        TForm1 second;
        second.show();
        app.processEvents();
        ok &= save(second, folder, QStringLiteral("main-1-dane-odzyskiwanie"));
    }
    QFile::remove(leftFile);
    // Both windows leave no recovery file behind: their sheets count as saved.
    form.F1Book1->undoStack()->setClean();
    // The graphical method: Ohm's law measured in eight points (F: U in volts, G: I in mA, Y
    // uncertainty 0.4 mA), the two extreme lines dashed on the chart, and the lab report as PDF
    // (scripts/screens turns its pages into PNGs where pdftoppm is installed).
    const double volts[] = {1, 2, 3, 4, 5, 6, 7, 8};
    const double milliamps[] = {2.1, 3.9, 6.3, 7.8, 10.2, 12.1, 13.8, 16.2};
    form.F1Book1->setColumnHeading(6, QStringLiteral("Napięcie U [V]"));
    form.F1Book1->setColumnHeading(7, QStringLiteral("Natężenie I [mA]"));
    for (int i = 0; i < 8; ++i) {
        form.F1Book1->setCellNumber(i + 1, 6, volts[i]);
        form.F1Book1->setCellNumber(i + 1, 7, milliamps[i]);
    }
    form.PageControl1->setCurrentIndex(1);
    named<QComboBox>(form, "NrKolumnyDanychX_ComboBox")->setCurrentIndex(5);
    named<QComboBox>(form, "NrKolumnyDanychY_ComboBox")->setCurrentIndex(6);
    named<QPushButton>(form, "Akceptuj_Button")->click();
    choose(named<QComboBox>(form, "TypNiepX_ComboBox"), 0);
    named<QLineEdit>(form, "NiepY_Edit")->setText(QStringLiteral("0,4"));
    choose(named<QComboBox>(form, "TypNiepY_ComboBox"), 1);
    form.PageControl1->setCurrentIndex(2);
    analyses.pages->setCurrentWidget(analyses.regressionPage);
    analyses.regressionPage->TypObliczenRegresji_ComboBox->setCurrentIndex(0);
    emit analyses.regressionPage->TypObliczenRegresji_ComboBox->activated(0);
    analyses.regressionPage->BitBtn8->click();
    analyses.regressionPage->ProsteGraniczne_Button->click();
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-3-analizy-regresja-metoda-graficzna"));
    form.PageControl1->setCurrentIndex(1);
    app.processEvents();
    ok &= save(form, folder, QStringLiteral("main-2-wykresy-proste-graniczne"));
    tallox::setFileDialogHandler([&](const tallox::FileDialogRequest&) {
        return tallox::FileDialogAnswer{true, folder + QStringLiteral("/lab-report"), 1};
    });
    form.findChild<QAction*>(QStringLiteral("ZapiszRaport_MainMenu"))->trigger();
    tallox::setFileDialogHandler({});
    ok &= QFile::exists(folder + QStringLiteral("/lab-report.pdf"));
    return ok ? 0 : 1;
}
