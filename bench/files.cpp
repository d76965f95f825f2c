// Loading and saving a full 200 x 26 worksheet in each file format, as the data-file commands
// do it (TF1Book::WriteFile / ReadFile, including the grid's update); medians of 20 runs.
#include "BenchSupport.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"
#include "worksheet/formats/SheetBounds.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::Polish, QLocale::Poland));
    TF1Book sheet;
    Kolorowanie_Kolumn(sheet);
    std::mt19937_64 random(2026);
    std::uniform_real_distribution<double> values(-1e4, 1e4);
    for (int r = 1; r <= 200; ++r)
        for (int c = 1; c <= 26; ++c) {
            if (c % 7 == 0)
                sheet.setCellText(r, c, QStringLiteral("pomiar %1 – próbka ąęł").arg(r));
            else
                sheet.setCellNumber(r, c, values(random));
        }
    QTemporaryDir dir;
    const struct {
        const char* name;
        tallox::SheetFileType type;
    } formats[] = {{"tlx", tallox::SheetFileType::Tlx},
                   {"dat", tallox::SheetFileType::Tsv},
                   {"xls", tallox::SheetFileType::Xls},
                   {"xlsx", tallox::SheetFileType::Xlsx},
                   {"ods", tallox::SheetFileType::Ods},
                   {"csv", tallox::SheetFileType::Csv}};
    for (const auto& format : formats) {
        const QString path = dir.filePath(QStringLiteral("arkusz.") + QLatin1String(format.name));
        std::vector<double> saves, loads;
        for (int i = 0; i < 20; ++i) {
            QElapsedTimer timer;
            timer.start();
            if (!sheet.WriteFile(path, format.type)) {
                std::printf("%s: save failed: %s\n", format.name, qPrintable(sheet.lastFileError()));
                return 1;
            }
            saves.push_back(timer.nsecsElapsed() / 1e6);
            timer.restart();
            tallox::SheetFileType type = tallox::SheetFileType::Tlx;
            if (!sheet.ReadFile(path, type) || type != format.type) {
                std::printf("%s: load failed: %s\n", format.name, qPrintable(sheet.lastFileError()));
                return 1;
            }
            loads.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::printf("%s: save %.2f ms, load %.2f ms (medians of 20; budget 20 ms each)\n",
                    format.name, bench::median(saves), bench::median(loads));
    }
    return 0;
}
