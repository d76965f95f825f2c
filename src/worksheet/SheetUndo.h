#pragma once
// Undo of the worksheet's cells. Every write of cells happens inside a SheetChange: the sheet
// notes the state of each cell before its first change, and when the outermost change ends it
// pushes one step holding the cells that really changed onto the sheet's undo stack. A change
// opened while another is open joins it, so a command that writes through several calls is one
// step named by the command.
#include <QString>

class TF1Book;

namespace tallox {

// The names of the steps, as the "Cofnij: …" and "Ponów: …" items show them.
namespace stepNames {
inline const QString typing = QStringLiteral("wpisanie");
inline const QString paste = QStringLiteral("wklejenie");
inline const QString cut = QStringLiteral("wycięcie");
inline const QString clear = QStringLiteral("usunięcie");
inline const QString dotsToCommas = QStringLiteral("kropki na przecinki");
inline const QString newData = QStringLiteral("nowe dane (tylko komórki)");
inline const QString clearAll = QStringLiteral("usunięcie wszystkich danych");
inline const QString load = QStringLiteral("ładowanie danych");
inline const QString transform = QStringLiteral("linearyzacja / transformacja");
inline const QString recovered = QStringLiteral("odzyskane dane");
} // namespace stepNames

// The steps kept; older ones are forgotten.
constexpr int undoLimit = 100;

class SheetChange {
public:
    SheetChange(TF1Book& book, const QString& name);
    ~SheetChange();
    SheetChange(const SheetChange&) = delete;
    SheetChange& operator=(const SheetChange&) = delete;

private:
    TF1Book& book_;
};

} // namespace tallox
