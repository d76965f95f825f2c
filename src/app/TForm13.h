#pragma once
// The people who helped the program along.
#include <QDialog>

class QPushButton;

class TForm13 : public QDialog {
    Q_OBJECT
public:
    explicit TForm13(QWidget* parent);
    QPushButton* BitBtn1 = nullptr;

public slots:
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent* event) override;
};
