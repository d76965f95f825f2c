#pragma once
// The exercise description of the "   Dodatki   " page: the exercise, its leader, the dates,
// the comments and the grade. The fields live in the controls only.
#include <QWidget>

class QComboBox;
class QDateEdit;
class QPlainTextEdit;

namespace tallox {

class ControlGroups;

class ExercisePanel : public QWidget {
    Q_OBJECT
public:
    // Registers its labels and inputs in the groups that a figure switches on and off.
    ExercisePanel(ControlGroups& groups, QWidget* parent = nullptr);

    QComboBox* NazwaCwiczenia_ComboBox = nullptr;
    QComboBox* Prowadzacy_ComboBox = nullptr;
    QDateEdit* StartData_DateTimePicker = nullptr;
    QDateEdit* StopData_DateTimePicker = nullptr;
    QPlainTextEdit* KomentarzWlasny_Memo = nullptr;
    QPlainTextEdit* KomentarzProwadzacego_Memo = nullptr;
    QComboBox* Ocena_ComboBox = nullptr;
};

} // namespace tallox
