// Start-up time and memory: from the start of a new process to the main window painted, with
// the start dialog shown and closed by the benchmark itself; then the resident memory.
//   bench_startup [runs]      (default 10; prints each run and the median)
// Each run starts this program again as a child that does what the program's entry does.
#include "app/TForm1.h"
#include "app/TForm12.h"
#include "app/TalloxApplication.h"
#include "common/Dialogs.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Reports once the watched window has been painted.
class PaintWatch : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            QTimer::singleShot(0, [] {
                std::printf("painted %ld\n", residentKilobytes());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool reported_ = false;
};

int child(int argc, char** argv)
{
    TalloxApplication app(argc, argv);
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
    PaintWatch watch;
    mainWindow.installEventFilter(&watch);
    mainWindow.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--child")
        return child(argc, argv);

    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    QTemporaryDir folder;  // the program writes its settings file where it starts
    std::vector<double> times;
    long rss = -1;
    for (int i = 0; i < runs; ++i) {
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer timer;
        timer.start();
        process.start(self, {QStringLiteral("--child")});
        if (!process.waitForReadyRead(20000)) {
            std::fprintf(stderr, "run %d: the program did not report a painted window\n", i + 1);
            return 1;
        }
        const double ms = timer.nsecsElapsed() / 1e6;
        const QByteArray line = process.readLine().trimmed();
        process.waitForFinished(20000);
        rss = line.split(' ').value(1).toLong();
        times.push_back(ms);
        std::printf("run %2d: %7.1f ms to the painted main window, resident %ld kB\n", i + 1, ms,
                    rss);
    }
    std::sort(times.begin(), times.end());
    const double median = runs % 2 ? times[runs / 2] : (times[runs / 2 - 1] + times[runs / 2]) / 2;
    std::printf("median of %d runs: %.1f ms (budget 300 ms); resident memory %.1f MB (budget 80 MB)\n",
                runs, median, rss / 1024.0);
    return 0;
}
