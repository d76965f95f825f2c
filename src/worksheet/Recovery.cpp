#include "worksheet/Recovery.h"

#include "worksheet/SheetText.h"
#include "worksheet/SheetUndo.h"
#include "worksheet/TF1Book.h"
#include "worksheet/formats/SheetFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUndoStack>
#include <algorithm>
#include <atomic>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <csignal>
#endif

namespace tallox {

namespace {
const QString kFolderName = QStringLiteral(".tallox-odzysk");
const QString kPrefix = QStringLiteral("arkusz-");

// Several windows of one program each keep their own file.
std::atomic<int> windowCount{0};

bool programRuns(qint64 pid)
{
    if (pid <= 0)
        return false;
    if (pid == QCoreApplication::applicationPid())
        return true;
#ifdef Q_OS_UNIX
    // Signal 0 only asks whether the process exists; EPERM: it exists, under another user.
    return ::kill(pid_t(pid), 0) == 0 || errno == EPERM;
#else
    return false;
#endif
}

// "arkusz-<pid>-<window>.tlx": the pid, or 0 for a name of some other kind.
qint64 pidInName(const QString& name)
{
    if (!name.startsWith(kPrefix))
        return 0;
    const QStringList parts = name.mid(kPrefix.size()).split(u'-');
    bool ok = false;
    const qint64 pid = parts.value(0).toLongLong(&ok);
    return ok ? pid : 0;
}
} // namespace

QString SheetRecovery::folder(const QString& programFolder)
{
    return programFolder + u'/' + kFolderName;
}

SheetRecovery::SheetRecovery(TF1Book& sheet, const QString& programFolder, QObject* parent)
    : QObject(parent), sheet_(sheet)
{
    path_ = folder(programFolder) + u'/' + kPrefix
          + QString::number(QCoreApplication::applicationPid()) + u'-'
          + QString::number(++windowCount) + QStringLiteral(".tlx");
    writer_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(delayMs);
    connect(&timer_, &QTimer::timeout, this, &SheetRecovery::keep);
    connect(&sheet_, &TF1Book::contentsChanged, &timer_, qOverload<>(&QTimer::start));
    // A save or a load: the file goes at once.
    connect(sheet_.undoStack(), &QUndoStack::cleanChanged, this, [this](bool clean) {
        if (clean)
            keep();
    });
}

SheetRecovery::~SheetRecovery()
{
    if (timer_.isActive())
        keep();
    writer_.waitForDone();
}

void SheetRecovery::flush()
{
    timer_.stop();
    keep();
    writer_.waitForDone();
}

void SheetRecovery::keep()
{
    timer_.stop();
    SheetCells cells = sheet_.sheetCells();
    const QString path = path_;
    if (cells.cells.empty() || sheet_.undoStack()->isClean()) {
        writer_.start([path] { QFile::remove(path); });
        return;
    }
    // On the GUI thread only the copy of the cells; the bytes and the disk on the worker.
    writer_.start([path, cells = std::move(cells), locale = worksheetLocale()] {
        QDir().mkpath(QFileInfo(path).absolutePath());
        writeSheetFile(path, SheetFileType::Tlx, cells, locale);
    });
}

QVector<SheetRecovery::LeftFile> SheetRecovery::findLeftFiles(const QString& programFolder)
{
    QVector<LeftFile> found;
    const QDir dir(folder(programFolder));
    if (!dir.exists())
        return found;
    const QFileInfoList files =
        dir.entryInfoList({kPrefix + QStringLiteral("*.tlx")}, QDir::Files | QDir::Hidden, QDir::Time);
    for (const QFileInfo& info : files) {
        if (programRuns(pidInName(info.fileName())))
            continue;
        LeftFile left;
        left.path = info.absoluteFilePath();
        left.written = info.lastModified();
        const SheetLoadResult read = readSheetFile(left.path, worksheetLocale());
        // Only a whole file in our own format is offered for restoring: anything else is damaged.
        left.readable = read.ok && read.type == SheetFileType::Tlx && read.invalidBytes == 0
                     && !read.truncated;
        if (read.ok)
            left.cells = read.sheet;
        found.push_back(std::move(left));
    }
    return found;
}

void SheetRecovery::restore(const LeftFile& file)
{
    if (!file.readable)
        return;
    {
        const SheetChange change(sheet_, stepNames::recovered);
        sheet_.replaceCells(file.cells);
    }
    // The left file becomes this window's own: the data are never only in memory.
    timer_.stop();
    writer_.start([from = file.path, to = path_] {
        QFile::remove(to);
        if (!QFile::rename(from, to))
            QFile::remove(from);
    });
    timer_.start();
}

void SheetRecovery::discard(const LeftFile& file) { QFile::remove(file.path); }

} // namespace tallox
