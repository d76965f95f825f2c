#pragma once
#include <QApplication>

// The program's application object: numbers in the C library stay locale-free, and an exception
// that escapes an event handler is shown in a box instead of ending the program.
class TalloxApplication : public QApplication {
    Q_OBJECT
public:
    TalloxApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};
