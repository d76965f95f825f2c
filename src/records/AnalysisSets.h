#pragma once
// Analysis sets: a folder "<name>_ana" holding the worksheet as "worksheet.tlx", recorded in
// the current user's analysis list; opening reads a chosen worksheet file back.
#include <QObject>
#include <QString>
#include <functional>

class TF1Book;
namespace tallox {
class PanelStatusBar;
}

class AnalysisSets : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<void()> resetFigureCount;
        std::function<void(const QString& user)> refillAnalysisList;
    };
    // usersHomeFolder is read at each command (the users' files location may change).
    AnalysisSets(TF1Book& sheet, tallox::PanelStatusBar& status, const QString& usersHomeFolder,
                 Hooks hooks, QObject* parent = nullptr);

    // The folder both dialogs start in once a user is opened (empty: the platform's default).
    void setDialogFolder(const QString& folder) { dialogFolder_ = folder; }

    // The folder a chosen name gives: the file name's part from its first dot on is dropped.
    static QString setFolderFor(const QString& chosen);

public slots:
    void ZachowajAnalizy_ButtonClick();
    void Ladowanie_Analiz();

private:
    QString currentUser() const;

    TF1Book& sheet_;
    tallox::PanelStatusBar& status_;
    const QString& usersHomeFolder_;
    Hooks hooks_;
    QString dialogFolder_;
};
