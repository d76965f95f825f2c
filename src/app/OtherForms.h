#pragma once
// Forms that start-up creates for the axis settings.
#include <QDialog>

class QLineEdit;

// Axis parameters; created with the program and never shown.
class TForm14 : public QDialog {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent);
    QLineEdit* XAxisTitle_Edit = nullptr;
};

// The window a click on a chart axis opens.
class TForm15 : public QDialog {
    Q_OBJECT
public:
    explicit TForm15(QWidget* parent);
};
