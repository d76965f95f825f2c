// Undo and redo in the shown main window, repaint included (the "Cofnij"/"Ponów" items, with the layout re-applied and the
// block selected as the window does): of a full 200 x 26 paste and of a full load; the heap that
// 100 full-sheet steps hold; the recovery write of a full sheet (the GUI thread's share and the
// whole write); the recovery's start-up share without a file. Medians of 20 runs.
#include "BenchSupport.h"

#include "app/TForm1.h"
#include "app/TalloxApplication.h"
#include "worksheet/Recovery.h"
#include "worksheet/TF1Book.h"
#include "worksheet/cells/SheetCells.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QUndoStack>
#include <cstdio>
#include <malloc.h>
#include <random>
#include <vector>

namespace {

double msSince(const QElapsedTimer& timer) { return timer.nsecsElapsed() / 1e6; }

QString fullSheetText(std::mt19937_64& random)
{
    std::uniform_real_distribution<double> values(-1e4, 1e4);
    QString text;
    for (int r = 1; r <= 200; ++r) {
        for (int c = 1; c <= 26; ++c) {
            if (c > 1)
                text += u'\t';
            text += c % 7 == 0 ? QStringLiteral("pomiar %1").arg(r)
                               : QLocale().toString(values(random), 'g', 17);
        }
        text += u'\n';
    }
    return text;
}

std::size_t heapInUse() { return mallinfo2().uordblks; }

} // namespace

int main(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    TForm1 form;
    TF1Book& sheet = *form.F1Book1;
    form.show();
    QCoreApplication::processEvents();
    QAction* undo = form.action(QStringLiteral("Cofnij1"));
    QAction* redo = form.action(QStringLiteral("Ponow1"));
    std::mt19937_64 random(2026);

    auto timeSteps = [&](const char* what, auto&& step) {
        std::vector<double> doing, undoing, redoing;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer timer;
            timer.start();
            step(i);
            QCoreApplication::processEvents();
            doing.push_back(msSince(timer));
            timer.restart();
            undo->trigger();
            QCoreApplication::processEvents();  // the grid repainted
            undoing.push_back(msSince(timer));
            timer.restart();
            redo->trigger();
            QCoreApplication::processEvents();
            redoing.push_back(msSince(timer));
        }
        std::printf("%-28s do %7.3f ms   undo %7.3f ms   redo %7.3f ms\n", what,
                    bench::median(doing), bench::median(undoing), bench::median(redoing));
    };

    const QString texts[2] = {fullSheetText(random), fullSheetText(random)};
    timeSteps("paste 200 x 26", [&](int i) { sheet.pasteText(1, 1, texts[i % 2]); });
    tallox::SheetCells loads[2];
    for (tallox::SheetCells& load : loads) {
        std::uniform_real_distribution<double> values(-1e4, 1e4);
        for (int r = 1; r <= 200; ++r)
            for (int c = 1; c <= 26; ++c)
                load.cells.push_back({r, c, tallox::SheetCell::Kind::Number, values(random), {}});
    }
    timeSteps("load 200 x 26", [&](int i) { sheet.replaceCells(loads[i % 2]); });

    // The heap of 100 full-sheet steps: the stack emptied, then filled again.
    sheet.undoStack()->clear();
    const std::size_t before = heapInUse();
    for (int i = 0; i < 100; ++i)
        sheet.pasteText(1, 1, texts[i % 2]);
    const std::size_t after = heapInUse();
    std::printf("100 full-sheet paste steps: %.1f MB of heap (%.0f kB a step)\n",
                (after - before) / 1048576.0, (after - before) / 1024.0 / 100);
    sheet.undoStack()->clear();
    const std::size_t beforeTyping = heapInUse();
    for (int i = 0; i < 100; ++i)
        sheet.setCellNumber(1 + i % 200, 1, i + 0.5);
    std::printf("100 one-cell typing steps: %.1f kB of heap\n",
                (heapInUse() - beforeTyping) / 1024.0);

    auto* recovery = form.findChild<tallox::SheetRecovery*>();
    std::vector<double> gui, whole;
    for (int i = 0; i < 20; ++i) {
        sheet.setCellNumber(1, 1, i);  // not clean: the file is written
        QElapsedTimer timer;
        timer.start();
        recovery->keep();
        gui.push_back(msSince(timer));
        recovery->flush();
        whole.push_back(msSince(timer));
    }
    std::printf("recovery write of a full sheet: GUI thread %.3f ms, whole write %.3f ms\n",
                bench::median(gui), bench::median(whole));

    std::vector<double> startup;
    for (int i = 0; i < 20; ++i) {
        QTemporaryDir empty;
        QElapsedTimer timer;
        timer.start();
        tallox::SheetRecovery probe(sheet, empty.path());
        const auto left = tallox::SheetRecovery::findLeftFiles(empty.path());
        startup.push_back(msSince(timer));
    }
    std::printf("recovery at start-up without a file: %.3f ms\n", bench::median(startup));
    return 0;
}
