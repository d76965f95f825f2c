// Start-up time and memory against a bare Qt reference: from the start of a new process to the
// main window painted, with the start dialog shown and closed by the benchmark itself.
//   bench_startup [rounds]      (default 10)
// Each round starts the program (this binary again, as a child that does what the program's
// entry does) and the reference (startup_reference, beside this binary), in alternating
// order, so that both meet the same machine load. Prints every run, both medians, the program's
// resident memory, and last the ratio of the medians (program / reference).
#include "paint_watch.h"

#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "app/TForm1.h"
#include "app/TForm12.h"
#include "app/TalloxApplication.h"
#include "common/Dialogs.h"

#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int child(int argc, char** argv)
{
    // Program entry's own steps: the command line (none here), the program folder (the current
    // one, as for a program run from its build folder).
    const tallox::CommandLine command =
        tallox::parseCommandLine({QString::fromLocal8Bit(argv[0])}, QDir::currentPath());
    TalloxApplication app(argc, argv);
    QStringList warnings;
    if (!tallox::enterProgramFolder(command.folder, warnings).isEmpty())
        return 1;
    // The start dialog is shown, painted and closed as a user pressing "Rozpocznij pracę" would.
    tallox::setModalHandler([&app](QDialog& dialog) {
        dialog.show();
        app.processEvents();
        dialog.accept();
        return int(QDialog::Accepted);
    });
    TForm1 mainWindow;
    tallox::execModal(*mainWindow.Form12);
    mainWindow.realignToolBar();
    bench::PaintWatch watch;
    mainWindow.installEventFilter(&watch);
    mainWindow.show();
    return app.exec();
}

struct Run {
    double ms = 0;
    long residentKb = -1;
};

// Starts one child in `folder` and times it to its "painted" line.
bool timeChild(const QString& program, const QStringList& arguments, const QString& folder, Run& run)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForReadyRead(20000)) {
        std::fprintf(stderr, "%s did not report a painted window\n", qPrintable(program));
        return false;
    }
    run.ms = timer.nsecsElapsed() / 1e6;
    const QByteArray line = process.readLine().trimmed();
    process.waitForFinished(20000);
    run.residentKb = line.split(' ').value(1).toLong();
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv);

    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QFileInfo self(QString::fromLocal8Bit(argv[0]));
    const QString program = self.absoluteFilePath();
    const QString reference = self.absoluteDir().filePath(QStringLiteral("startup_reference"));
    if (!QFileInfo(reference).isExecutable()) {
        std::fprintf(stderr, "the reference program %s is missing: build startup_reference\n",
                     qPrintable(reference));
        return 1;
    }
    QTemporaryDir folder;  // the program writes its settings file where it starts
    std::vector<double> programTimes, referenceTimes;
    long programKb = -1, referenceKb = -1;
    for (int i = 0; i < rounds; ++i) {
        Run ours, bare;
        auto runOurs = [&] { return timeChild(program, {QStringLiteral("--child")}, folder.path(), ours); };
        auto runBare = [&] { return timeChild(reference, {}, folder.path(), bare); };
        const bool ok = i % 2 == 0 ? runOurs() && runBare() : runBare() && runOurs();
        if (!ok)
            return 1;
        programTimes.push_back(ours.ms);
        referenceTimes.push_back(bare.ms);
        programKb = ours.residentKb;
        referenceKb = bare.residentKb;
        std::printf("round %2d (%s first): program %7.1f ms, %ld kB; reference %7.1f ms, %ld kB\n", i + 1,
                    i % 2 == 0 ? "program" : "reference", ours.ms, ours.residentKb, bare.ms, bare.residentKb);
    }
    const double programMedian = median(programTimes);
    const double referenceMedian = median(referenceTimes);
    std::printf("program:   median of %d runs %.1f ms to the painted main window; resident memory %.1f MB "
                "(budget 60 MB)\n",
                rounds, programMedian, programKb / 1024.0);
    std::printf("reference: median of %d runs %.1f ms; resident memory %.1f MB\n", rounds, referenceMedian,
                referenceKb / 1024.0);
    std::printf("start-up ratio program / reference: %.2f (budget 1.30)\n", programMedian / referenceMedian);
    return 0;
}
