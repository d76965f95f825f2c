#pragma once
// Forms that start-up creates and whose contents come with the user registry, the leaders and
// the axis settings.
#include <QDialog>

class QLineEdit;

// The users' files location.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent);
};

// A user: add, modify, delete.
class TForm7 : public QDialog {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent);
};

// Opening a user.
class TForm8 : public QDialog {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent);
};

// A leader.
class TForm9 : public QDialog {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent);
};

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
