#pragma once
// Controls of the figure page that are switched on and off, or coloured, together although they
// sit in different parts of the page. Each part registers the controls it owns; the figure
// routines then act on a whole group. A group holds widgets, not names: a member that does not
// exist cannot be registered, so nothing is ever skipped silently.
#include <QColor>
#include <array>
#include <initializer_list>
#include <vector>

class QWidget;

namespace tallox {

enum class ControlGroup {
    // Inputs that wear the button face until a figure exists and the window colour once it does:
    // the figure list, the data and uncertainty column lists, the visibility lists, the style
    // inputs, and the axis page's title and margin fields.
    FigureInputs,
    // The uncertainty kind lists: greyed at start and on removal, coloured by each acceptance.
    UncertaintyKindLists,
    // The point style group: enabled when a figure's points are loaded.
    PointStyle,
    // Everything of the axis page that a new figure enables, beside its fields below.
    AxisPageControls,
    // The tick, increment and label-distance fields of both axes (enabled and coloured).
    AxisFields,
    // The exercise description's labels, and its inputs (enabled and coloured).
    ExerciseLabels,
    ExerciseInputs,
};
inline constexpr int controlGroupCount = int(ControlGroup::ExerciseInputs) + 1;

class ControlGroups {
public:
    // A null widget is a programming error: Q_ASSERT in debug builds, std::logic_error always.
    void add(ControlGroup group, QWidget* member);
    void add(ControlGroup group, std::initializer_list<QWidget*> members);

    void setEnabled(ControlGroup group, bool enabled) const;
    // Inactive inputs wear the button face, active ones the window colour.
    void paint(ControlGroup group, bool windowColour) const;

    const std::vector<QWidget*>& members(ControlGroup group) const;

private:
    std::array<std::vector<QWidget*>, controlGroupCount> groups_;
};

// The colours of inactive and active inputs.
QColor buttonFaceColour();
QColor windowColour();
// Paints an input (list, field, memo, date picker) in the given colour.
void paintInput(QWidget* input, const QColor& colour);

}  // namespace tallox
