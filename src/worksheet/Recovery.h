#pragma once
// Keeps the worksheet in a recovery file while the program runs, so that a crash or a window
// closed with unsaved data loses nothing: the file is written in the native format a moment after
// the last change, on a worker thread, and removed when the sheet is empty or equals the file last
// read or written. Each program (and each window of one program) has its own file in a hidden
// folder of the program's folder; files of programs that no longer run are offered at start-up.
#include "worksheet/cells/SheetCells.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>
#include <QVector>

class TF1Book;

namespace tallox {

class SheetRecovery : public QObject {
    Q_OBJECT
public:
    // A recovery file left by a program that no longer runs.
    struct LeftFile {
        QString path;
        QDateTime written;
        bool readable = false;
        SheetCells cells;
    };

    static constexpr int delayMs = 2000;

    SheetRecovery(TF1Book& sheet, const QString& programFolder, QObject* parent = nullptr);
    // Writes what is pending (or removes the file) before it goes.
    ~SheetRecovery() override;

    static QString folder(const QString& programFolder);
    QString filePath() const { return path_; }

    // The left files, newest first, each read. Nothing is read when the folder does not exist.
    static QVector<LeftFile> findLeftFiles(const QString& programFolder);

    // The left file's cells into the sheet as one step; the file becomes this program's own.
    void restore(const LeftFile& file);
    static void discard(const LeftFile& file);

    // What the timer does 2 s after the last change: the sheet's cells are copied, and the file
    // written (or removed, for an empty or saved sheet) on the worker thread; returns at once.
    void keep();
    // keep(), and waits until the file is written or removed.
    void flush();

private:

    TF1Book& sheet_;
    QString path_;
    QTimer timer_;
    QThreadPool writer_;  // one thread: writes and removals happen in order
};

} // namespace tallox
