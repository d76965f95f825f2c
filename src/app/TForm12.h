#pragma once
// The start dialog: what this build is, and a word of warning while the program is in beta.
#include <QDialog>

class QLabel;
class QPushButton;
class TForm1;

class TForm12 : public QDialog {
    Q_OBJECT
public:
    TForm12(TForm1& main, QWidget* parent);

    QLabel* Edition1_Label = nullptr;
    QLabel* Edition2_Label = nullptr;
    QPushButton* Dalej_Button = nullptr;
    QPushButton* WhatNew_Button = nullptr;
    QPushButton* Zasluzeni_Button = nullptr;

    // The reduced form shown from the about dialog: only the button that goes back to work.
    void reduceToContinueButton();

public slots:
    void Dalej_ButtonClick();
    void WhatNew_ButtonClick();
    void Zasluzeni_ButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TForm1& main_;
};
