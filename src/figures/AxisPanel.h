#pragma once
// The axis page "Osie" of the figure options: the figure title and the two axis titles, the axis
// ranges (typed bounds, steps of a twentieth of the range, automatic or by hand), and per axis
// the tick lengths, the minor tick count, the label distance, the increment, the labels on the
// axis and the grid. Every control acts on the chart at once (X on the bottom axis, Y on the left
// axis); the three titles are noted in the current figure's record as well.
//
// Fields take a number on Enter and, the tick, distance and increment fields, on leaving them too.
// Moving the mouse over a numeric field focuses it and selects its text.
#include <QWidget>

#include <array>
#include <vector>

class QAction;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace tallox {

class Chart;
class ChartAxis;
class ControlGroups;
class FigureTable;
class UpDown;

class AxisPanel : public QWidget {
    Q_OBJECT
public:
    AxisPanel(FigureTable& figures, Chart& chart, ControlGroups& groups, QWidget* parent = nullptr);
    ~AxisPanel() override;

    // The chart menu's grid items, kept in step with the grid boxes both ways.
    void attachGridMenuItems(QAction* vertical, QAction* horizontal);

    // The two axes' columns of parameters; X is the bottom axis, Y the left one.
    enum Side { X, Y };
    // The fields of a column that hold a number with an up-down beside them.
    enum class Field { MajorLength, MinorLength, MinorCount, Separation };

public slots:
    void FigureTitle_EditEnter();
    void AcceptFigureTittle_ButtonClick();
    void AcceptXTittle_ButtonClick();
    void AcceptYTittle_ButtonClick();

    void AutomaticHandsRanges_ButtonClick();
    void AutoUpDown_ButtonClick();
    void LeftRight_ButtonClick();

    void GridOdcietych_CheckBoxClick();
    void GridRzednych_CheckBoxClick();
    void Siatkapionowa1Click();
    void Siatkapozioma1Click();
    void LabelsOnAxisX_CheckBoxClick();
    void LabelsOnAxisY_CheckBoxClick();

public:
    // One bound's field: its text read on Enter, or a step of a twentieth of the range (+1 up,
    // -1 down). Bound 0..3: bottom minimum, bottom maximum, left minimum, left maximum.
    void boundEntered(int bound);
    void boundStepped(int bound, int direction);
    // The families of the parameter columns: a field read (on Enter or on leaving it), an
    // up-down stepped, the increment field read.
    void fieldEntered(Side side, Field field);
    void upDownClicked(Side side, Field field);
    void incrementEntered(Side side);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Bound {
        QLineEdit* edit = nullptr;
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
        bool leftAxis = false;
        bool maximum = false;
    };
    struct Column {
        ChartAxis* axis = nullptr;
        QWidget* page = nullptr;
        std::array<QLineEdit*, 4> edits{};   // by Field
        std::array<UpDown*, 4> upDowns{};
        QLineEdit* increment = nullptr;
        QCheckBox* labelsOnAxis = nullptr;
        QCheckBox* grid = nullptr;
        QAction* gridItem = nullptr;
    };

    void buildTitles(QGridLayout* grid);
    void buildRanges(QGridLayout* grid);
    Column buildColumn(Side side, ChartAxis& axis);
    void register_(ControlGroups& groups);
    void noteAxisTitle(Side side);
    void writeBounds(bool bottom, bool left);
    void gridBoxClicked(Side side);
    void gridItemClicked(Side side);
    static void selectAllOf(QLineEdit* edit);

    FigureTable& figures_;
    Chart& chart_;

    QLabel* OpisOsi_Label = nullptr;
    QLabel* Tytul_Label = nullptr;
    QLineEdit* FigureTitle_Edit = nullptr;
    QPushButton* AcceptFigureTittle_Button = nullptr;
    QLabel* OpisX_Label = nullptr;
    QLineEdit* XAxisTitle_Edit = nullptr;
    QPushButton* AcceptXTittle_Button = nullptr;
    QLabel* OpisY_Label = nullptr;
    QLineEdit* YAxisTitle_Edit = nullptr;
    QPushButton* AcceptYTittle_Button = nullptr;

    QLabel* ZakresyOsi_Label = nullptr;
    QPushButton* AutomaticHandsRanges_Button = nullptr;
    QPushButton* AutoUpDown_Button = nullptr;
    QPushButton* LeftRight_Button = nullptr;
    std::array<Bound, 4> bounds_;
    std::vector<QLabel*> rangeLabels_;

    QTabWidget* ParametryOsi_PageControl = nullptr;
    std::array<Column, 2> columns_;
    std::vector<QLabel*> columnLabels_;
};

}  // namespace tallox
