#pragma once
// About the program: who makes it, how to reach them, and the way to its history and news.
#include <QDialog>

class QPushButton;
class TForm1;

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2(TForm1& main, QWidget* parent);

    QPushButton* Button1 = nullptr;
    QPushButton* CoNowego_BitBtn = nullptr;
    QPushButton* HistoriaProgramu_BitBtn = nullptr;

public slots:
    void Button1Click();
    void CoNowego_BitBtnClick();
    void HistoriaProgramu_BitBtnClick();

private:
    TForm1& main_;
};
