#include "figures/ExercisePanel.h"

#include "figures/ControlGroups.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>

namespace tallox {

namespace {
template <typename T> T* named(T* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QDateEdit* datePicker(const char* name)
{
    auto* picker = named(new QDateEdit(QDate(2004, 11, 30)), name);
    picker->setCalendarPopup(true);
    picker->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    return picker;
}
} // namespace

ExercisePanel::ExercisePanel(ControlGroups& groups, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("exercisePanel"));
    NazwaCwiczenia_ComboBox = named(new QComboBox, "NazwaCwiczenia_ComboBox");
    Prowadzacy_ComboBox = named(new QComboBox, "Prowadzacy_ComboBox");
    StartData_DateTimePicker = datePicker("StartData_DateTimePicker");
    StopData_DateTimePicker = datePicker("StopData_DateTimePicker");
    KomentarzWlasny_Memo = named(new QPlainTextEdit, "KomentarzWlasny_Memo");
    KomentarzProwadzacego_Memo = named(new QPlainTextEdit, "KomentarzProwadzacego_Memo");
    Ocena_ComboBox = named(new QComboBox, "Ocena_ComboBox");
    Ocena_ComboBox->setEditable(true);
    Ocena_ComboBox->setEditText(QStringLiteral("prawidłowo"));

    auto* heading = named(new QLabel(QStringLiteral("Opis ćwiczenia")), "OpisCwiczenia_Label");
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* grid = new QGridLayout(this);
    grid->addWidget(heading, 0, 0, 1, 2);
    groups.add(ControlGroup::ExerciseLabels, heading);
    const std::pair<const char*, const char*> labels[] = {
        {"NazwaCwiczenia_Label", "Nazwa ćwiczenia - numer"}, {"Prowadzacy_Label", "Prowadzący"},
        {"StartData_Label", "Data rozpoczęcia"},           {"StopData_Label", "Data zakończenia"},
        {"KomentarzWlasny_Label", "Komentarz własny"},       {"KomentarzProwadzacego_Label", "Komentarz prowadzącego"},
        {"Ocena_Label", "Ocena"}};
    QWidget* inputs[] = {NazwaCwiczenia_ComboBox, Prowadzacy_ComboBox, StartData_DateTimePicker,
                         StopData_DateTimePicker, KomentarzWlasny_Memo, KomentarzProwadzacego_Memo,
                         Ocena_ComboBox};
    // The page is narrow: each label stands over its input.
    for (int i = 0; i < 7; ++i) {
        auto* label = named(new QLabel(QString::fromUtf8(labels[i].second)), labels[i].first);
        grid->addWidget(label, 2 * i + 1, 0, 1, 2);
        grid->addWidget(inputs[i], 2 * i + 2, 0, 1, 2);
        groups.add(ControlGroup::ExerciseLabels, label);
        groups.add(ControlGroup::ExerciseInputs, inputs[i]);
    }
    grid->setRowStretch(15, 1);
    for (QPlainTextEdit* memo : {KomentarzWlasny_Memo, KomentarzProwadzacego_Memo})
        memo->setFixedHeight(44);
    grid->setVerticalSpacing(2);
    grid->setContentsMargins(4, 4, 4, 4);
}

} // namespace tallox
