#pragma once
// The "Dane" page: the title, the data buttons and the worksheet.
#include <QWidget>

class QFrame;
class QLabel;
class QPushButton;
class TF1Book;

class DataPage : public QWidget {
    Q_OBJECT
public:
    explicit DataPage(QWidget* parent = nullptr);

    QPushButton* LoadData_Button = nullptr;
    QPushButton* NewDane_Button = nullptr;
    QPushButton* SaveData_Button = nullptr;
    QPushButton* LoadProjects_Button = nullptr;
    QPushButton* ZachowajAnalizy_Button = nullptr;
    QPushButton* NewProject_Button = nullptr;
    QWidget* Panel1 = nullptr;
    TF1Book* F1Book1 = nullptr;

    // The bar above the grid that offers unsaved data of an earlier session.
    QFrame* RecoveryBar = nullptr;
    QLabel* RecoveryBar_Label = nullptr;
    QPushButton* Przywroc_Button = nullptr;
    QPushButton* Odrzuc_Button = nullptr;
    void showRecoveryBar(const QString& text, bool canRestore);
    void hideRecoveryBar();

    // Places the save button, which from then on keeps its distance to the right edge.
    void placeSaveButton(int left);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void placePanel();
    int saveButtonLeft_ = -1;
};
