#pragma once
// Loading and saving the worksheet's data files through the open and save dialogs, loading a
// file from a user's recent list, and turning dotted number texts into numbers.
#include <QObject>
#include <QString>
#include <functional>

class TF1Book;

namespace tallox {
class PanelStatusBar;
}

class DataFiles : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> resetFigureCount;  // a load (or a cancelled open) forgets figures
        std::function<void()> refillDataList;    // the user's recent data files changed
    };
    // usersHomeFolder is read at each command (the users' files location may change).
    DataFiles(TF1Book& sheet, tallox::PanelStatusBar& status, const QString& usersHomeFolder,
              Hooks hooks, QObject* parent = nullptr);

    // The open dialog's and save dialog's entries, in order.
    static QStringList openFilters();
    static QStringList saveFilters();

    // The data file named on the command line, loaded as "Ładuj Dane" loads a file the dialog
    // returns (the format from the name and the content); false when it could not be read (the
    // box has been shown and the sheet is as it was).
    bool loadFromCommandLine(const QString& path);

public slots:
    void Ladowanie_Danych();
    void Ogolna_procedure_Ladowania_Danych_zPopupu(const QString& path);
    void Zachowaj_Dane();
    void ZamianaKropek_naPrzecinki();

private:
    QString currentUser() const;
    // Reads the file into the sheet, replacing it only on success, and shows what a load shows:
    // the failure box, or the path in panel 0 and the load and dot warnings. detectFormat false
    // reads it as plain text.
    bool loadDataFile(const QString& path, bool detectFormat);
    void reportReadFailure(const QString& path, const QString& reason) const;
    void warnAboutDots() const;
    void recordInDataList(const QString& path);

    TF1Book& sheet_;
    tallox::PanelStatusBar& status_;
    const QString& usersHomeFolder_;
    Hooks hooks_;
};
