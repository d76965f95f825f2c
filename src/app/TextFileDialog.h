#pragma once
// A dialog that shows a text file of the program's folder (history, what is new), read once when
// the dialog is created.
#include <QDialog>

class QLabel;

class TextFileDialog : public QDialog {
    Q_OBJECT
public:
    TextFileDialog(const QString& caption, const QString& path, QWidget* parent);
    QLabel* Label1 = nullptr;
};

class TForm3 : public TextFileDialog {
    Q_OBJECT
public:
    TForm3(const QString& programFolder, QWidget* parent);
};

class TForm4 : public TextFileDialog {
    Q_OBJECT
public:
    TForm4(const QString& programFolder, QWidget* parent);
};
