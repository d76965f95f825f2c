#pragma once
// Leaders (the teachers who run the exercises) and exercises: the leader dialog TForm9, the
// leader list with one fields file per leader, and filling the pickers from the list files.
#include <QDialog>
#include <QObject>

class QComboBox;
class QLabel;
class QPushButton;

// A leader.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent);

    // Name, first name and surname, department / room, address, telephone.
    QComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QComboBox* ComboBox4 = nullptr;
    QComboBox* ComboBox5 = nullptr;
    QPushButton* DodajLidera_LiderButton = nullptr;
    QPushButton* ModyfikujWpisy_LiderButton = nullptr;
    QPushButton* UsunLidera_LiderButton = nullptr;
    QLabel* Label16 = nullptr;
};

namespace tallox::users {

// Appends every line of the list file, blank ones too, to the picker's items; a file that
// cannot be read leaves the picker as it is.
void appendListLines(QComboBox* picker, const QString& listFile);

class LeaderRegistry : public QObject {
    Q_OBJECT
public:
    // leaderPicker and exercisePicker are the exercise description's pickers.
    LeaderRegistry(const QString& programFolder, TForm9& form9, QComboBox* leaderPicker,
                   QComboBox* exercisePicker, QObject* parent = nullptr);

    QString leaderListFile() const;
    QString exerciseListFile() const;
    QString leaderFile(const QString& name) const;

    void Operacja_Liders();
    void Operacja_Classes();
    // The settings page's buttons: the dialog with only the matching command enabled.
    void BitBtn15Click();
    void BitBtn16Click();
    void BitBtn17Click();

    void addLeader();
    void modifyLeader();
    void deleteLeader();
    void showLeader(const QString& name);

private:
    void showDialog(bool add, bool modify, bool remove);
    bool refuseName(const QString& name);
    void refreshPickers();

    const QString& programFolder_;
    TForm9& form9_;
    QComboBox* leaderPicker_;
    QComboBox* exercisePicker_;
};

} // namespace tallox::users
