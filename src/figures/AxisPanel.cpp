#include "figures/AxisPanel.h"

#include "chart/Chart.h"
#include "figures/AxisFieldText.h"
#include "figures/ControlGroups.h"
#include "figures/FigureTable.h"
#include "figures/PageWidgets.h"
#include "figures/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tallox {

namespace {

QLineEdit* makeEdit(QWidget* parent, const char* name, const QString& text)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    return button;
}

QToolButton* makeArrow(QWidget* parent, const char* name, Qt::ArrowType arrow)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

bool isEnter(QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The largest value each up-down field takes, and its up-down's range.
struct FieldLimits {
    int limit;
    int upDownMaximum;
};
constexpr std::array<FieldLimits, 4> kLimits{{{100, 100}, {100, 100}, {19, 9}, {100, 100}}};

}  // namespace

AxisPanel::AxisPanel(FigureTable& figures, Chart& chart, ControlGroups& groups, QWidget* parent)
    : QWidget(parent), figures_(figures), chart_(chart)
{
    setObjectName(QStringLiteral("Osie_TabSheet"));
    setToolTip(QStringLiteral("Zakladka opisu wykresu i osi"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->setSpacing(4);
    auto* top = new QGridLayout;
    top->setHorizontalSpacing(3);
    top->setVerticalSpacing(3);
    buildTitles(top);
    buildRanges(top);
    outer->addLayout(top);

    ParametryOsi_PageControl = new QTabWidget(this);
    ParametryOsi_PageControl->setObjectName(QStringLiteral("ParametryOsi_PageControl"));
    columns_[X] = buildColumn(X, chart_.bottomAxis());
    columns_[Y] = buildColumn(Y, chart_.leftAxis());
    ParametryOsi_PageControl->addTab(columns_[X].page, QStringLiteral("Odciętych (X)"));
    ParametryOsi_PageControl->addTab(columns_[Y].page, QStringLiteral("Rzędnych (Y)"));
    outer->addWidget(ParametryOsi_PageControl);
    outer->addStretch(1);
    register_(groups);
}

AxisPanel::~AxisPanel()
{
    // Focus leaving a field while the page is torn down must not reach a half-destroyed panel.
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        edit->removeEventFilter(this);
}

void AxisPanel::buildTitles(QGridLayout* grid)
{
    OpisOsi_Label = makeLabel(this, "OpisOsi_Label", QStringLiteral("Opis wykresu i osi"));
    OpisOsi_Label->setFont(boldFont(OpisOsi_Label->font()));
    Tytul_Label = makeLabel(this, "Tytul_Label", QStringLiteral("Tytuł"));
    OpisX_Label = makeLabel(this, "OpisX_Label", QStringLiteral("Oś X"));
    OpisY_Label = makeLabel(this, "OpisY_Label", QStringLiteral("Oś Y"));
    FigureTitle_Edit = makeEdit(this, "FigureTitle_Edit", QStringLiteral("Zależność Y-ów od X-ów"));
    XAxisTitle_Edit = makeEdit(this, "XAxisTitle_Edit", QStringLiteral("Opis Osi Odciętych ( X-ów )"));
    YAxisTitle_Edit = makeEdit(this, "YAxisTitle_Edit", QStringLiteral("Opis Osi Rzędnych ( Y-ów )"));
    AcceptFigureTittle_Button = makeButton(this, "AcceptFigureTittle_Button", QStringLiteral("OK"));
    AcceptXTittle_Button = makeButton(this, "AcceptXTittle_Button", QStringLiteral("OK"));
    AcceptYTittle_Button = makeButton(this, "AcceptYTittle_Button", QStringLiteral("OK"));

    grid->addWidget(OpisOsi_Label, 0, 0, 1, 8);
    const std::array<std::array<QWidget*, 3>, 3> rows{{
        {Tytul_Label, FigureTitle_Edit, AcceptFigureTittle_Button},
        {OpisX_Label, XAxisTitle_Edit, AcceptXTittle_Button},
        {OpisY_Label, YAxisTitle_Edit, AcceptYTittle_Button},
    }};
    for (int r = 0; r < 3; ++r) {
        grid->addWidget(rows[r][0], r + 1, 0);
        grid->addWidget(rows[r][1], r + 1, 1, 1, 6);
        grid->addWidget(rows[r][2], r + 1, 7);
        static_cast<QPushButton*>(rows[r][2])->setFixedWidth(34);
    }
    for (QLineEdit* edit : {FigureTitle_Edit, XAxisTitle_Edit, YAxisTitle_Edit})
        edit->installEventFilter(this);
    connect(AcceptFigureTittle_Button, &QPushButton::clicked, this, &AxisPanel::AcceptFigureTittle_ButtonClick);
    connect(AcceptXTittle_Button, &QPushButton::clicked, this, &AxisPanel::AcceptXTittle_ButtonClick);
    connect(AcceptYTittle_Button, &QPushButton::clicked, this, &AxisPanel::AcceptYTittle_ButtonClick);
}

void AxisPanel::buildRanges(QGridLayout* grid)
{
    ZakresyOsi_Label = makeLabel(this, "ZakresyOsi_Label", QStringLiteral("   Zakresy Osi  i  Etykiety"));
    ZakresyOsi_Label->setFont(boldFont(ZakresyOsi_Label->font()));
    grid->addWidget(ZakresyOsi_Label, 4, 0, 1, 8);
    // The bounds have columns of their own, not those of the title rows.
    QGridLayout* titles = grid;
    grid = new QGridLayout;
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(3);
    titles->addLayout(grid, 5, 0, 1, 8);
    for (const auto& [text, column] : {std::pair{"minimum", 1}, std::pair{"maksimum", 4}}) {
        QLabel* heading = new QLabel(QLatin1String(text), this);
        heading->setAlignment(Qt::AlignCenter);
        rangeLabels_.push_back(heading);
        grid->addWidget(heading, 0, column, 1, 3);
    }
    struct BoundControls {  // the names of one range bound's field and arrows, and which bound it is
        const char* edit;
        const char* down;
        const char* up;
        bool leftAxis, maximum;
    };
    const BoundControls boundControls[4] = {
        {"Axis_LeftMargin_Edit", "LeftMarginAxisDown_Button", "LeftMarginAxisUp_Button", false, false},
        {"Axis_RightMargin_Edit", "RightMarginAxisDown_Button", "RightMarginAxisUp_Button", false, true},
        {"Axis_BottomMargin_Edit", "BottomMarginAxisDown_Button", "BottomMarginAxisUp_Button", true, false},
        {"Axis_TopMargin_Edit", "TopMarginAxisDown_Button", "TopMarginAxisUp_Button", true, true},
    };
    for (int i = 0; i < 4; ++i) {
        const BoundControls& s = boundControls[i];
        Bound& b = bounds_[i];
        b.leftAxis = s.leftAxis;
        b.maximum = s.maximum;
        b.edit = makeEdit(this, s.edit, QStringLiteral("Auto"));
        b.edit->setToolTip(QStringLiteral("Auto"));
        b.edit->setMouseTracking(true);
        b.edit->setMinimumWidth(44);
        b.down = makeArrow(this, s.down, s.leftAxis ? Qt::DownArrow : Qt::LeftArrow);
        b.up = makeArrow(this, s.up, s.leftAxis ? Qt::UpArrow : Qt::RightArrow);
        const int row = s.leftAxis ? 2 : 1;
        const int column = s.maximum ? 4 : 1;
        grid->addWidget(b.down, row, column);
        grid->addWidget(b.edit, row, column + 1);
        grid->addWidget(b.up, row, column + 2);
        b.edit->installEventFilter(this);
        connect(b.edit, &QLineEdit::textChanged, b.edit, [edit = b.edit](const QString& text) {
            edit->setToolTip(text);  // the whole value shows as a tooltip
        });
        connect(b.down, &QToolButton::clicked, this, [this, i] { boundStepped(i, -1); });
        connect(b.up, &QToolButton::clicked, this, [this, i] { boundStepped(i, +1); });
    }
    for (const auto& [text, row] : {std::pair{"X", 1}, std::pair{"Y", 2}}) {
        QLabel* label = new QLabel(QLatin1String(text), this);
        rangeLabels_.push_back(label);
        grid->addWidget(label, row, 0);
    }
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(5, 1);

    AutomaticHandsRanges_Button = makeButton(this, "AutomaticHandsRanges_Button", QStringLiteral("Automatycznie"));
    LeftRight_Button = makeButton(this, "LeftRight_Button", QStringLiteral("Auto X"));
    AutoUpDown_Button = makeButton(this, "AutoUpDown_Button", QStringLiteral("Auto Y"));
    LeftRight_Button->setToolTip(QStringLiteral("Automatyczny zakres osi odciętych (X)"));
    AutoUpDown_Button->setToolTip(QStringLiteral("Automatyczny zakres osi rzędnych (Y)"));
    // Narrower than a push button's usual least width: the column of inputs is narrow.
    AutomaticHandsRanges_Button->setMinimumWidth(96);
    LeftRight_Button->setMinimumWidth(52);
    AutoUpDown_Button->setMinimumWidth(52);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(3);
    buttons->addWidget(AutomaticHandsRanges_Button, 2);
    buttons->addWidget(LeftRight_Button, 1);
    buttons->addWidget(AutoUpDown_Button, 1);
    titles->addLayout(buttons, 6, 0, 1, 8);
    connect(AutomaticHandsRanges_Button, &QPushButton::clicked, this, &AxisPanel::AutomaticHandsRanges_ButtonClick);
    connect(LeftRight_Button, &QPushButton::clicked, this, &AxisPanel::LeftRight_ButtonClick);
    connect(AutoUpDown_Button, &QPushButton::clicked, this, &AxisPanel::AutoUpDown_ButtonClick);
}

AxisPanel::Column AxisPanel::buildColumn(Side side, ChartAxis& axis)
{
    Column c;
    c.axis = &axis;
    c.page = new QWidget;
    c.page->setObjectName(side == X ? QStringLiteral("ParametryOsiX_TabSheet") : QStringLiteral("ParametryOsiY_TabSheet"));
    auto* grid = new QGridLayout(c.page);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setVerticalSpacing(3);
    const QString s = side == X ? QStringLiteral("X") : QStringLiteral("Y");
    struct Row {
        QString caption, edit, upDown, start;
        int position;
    };
    const std::array<Row, 4> rows{{
        // The major tick up-down starts where its field and the axis do (8), on both axes.
        {QStringLiteral("Długość dużych"), QStringLiteral("TicksMajorLenght%1_Edit"),
         QStringLiteral("TicksMajorLenght%1_UpDown"), QStringLiteral("8"), 8},
        {QStringLiteral("Długość małych"), QStringLiteral("TicksMinorLenght%1_Edit"),
         QStringLiteral("TicksMinorLenght%1_UpDown"), QStringLiteral("4"), 4},
        {QStringLiteral("Ilość malych działek"), QStringLiteral("TickMinorCount%1_Edit"),
         QStringLiteral("TicksMinorCount%1_UpDown"), QStringLiteral("4"), 4},
        {QStringLiteral("Dystans Etykiet %"), QStringLiteral("LabelSeparation%1_Edit"),
         QStringLiteral("Separation%1_UpDown"), QStringLiteral("Auto"), 1},
    }};
    for (int f = 0; f < 4; ++f) {
        const Row& row = rows[f];
        auto* label = new QLabel(row.caption, c.page);
        columnLabels_.push_back(label);
        auto* edit = new QLineEdit(row.start, c.page);
        edit->setObjectName(row.edit.arg(s));
        edit->setMouseTracking(true);
        edit->installEventFilter(this);
        auto* upDown = new UpDown(c.page);
        upDown->setObjectName(row.upDown.arg(s));
        upDown->setRange(0, kLimits[f].upDownMaximum);
        upDown->setPosition(row.position);
        upDown->setFixedHeight(edit->sizeHint().height());
        grid->addWidget(label, f, 0);
        grid->addWidget(edit, f, 1);
        grid->addWidget(upDown, f, 2);
        c.edits[f] = edit;
        c.upDowns[f] = upDown;
        connect(upDown, &UpDown::changing, this, [this, side, f] { upDownClicked(side, Field(f)); });
    }
    auto* label = new QLabel(QStringLiteral("Inkrement"), c.page);
    columnLabels_.push_back(label);
    c.increment = new QLineEdit(QStringLiteral("Auto"), c.page);
    c.increment->setObjectName(QStringLiteral("InkrementValue%1_Edit").arg(s));
    c.increment->setMouseTracking(true);
    c.increment->installEventFilter(this);
    grid->addWidget(label, 4, 0);
    grid->addWidget(c.increment, 4, 1);

    c.labelsOnAxis = new QCheckBox(side == X ? QStringLiteral("Etykieta X na osi Y") : QStringLiteral("Etykieta Y na osi X"), c.page);
    c.labelsOnAxis->setObjectName(QStringLiteral("LabelsOnAxis%1_CheckBox").arg(s));
    c.grid = new QCheckBox(side == X ? QStringLiteral("Siatka Osi Odciętych (X)") : QStringLiteral("Siatka Osi Rzędnych (Y)"), c.page);
    c.grid->setObjectName(side == X ? QStringLiteral("GridOdcietych_CheckBox") : QStringLiteral("GridRzednych_CheckBox"));
    c.labelsOnAxis->setChecked(true);
    c.grid->setChecked(true);
    grid->addWidget(c.labelsOnAxis, 5, 0, 1, 3);
    grid->addWidget(c.grid, 6, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    connect(c.labelsOnAxis, &QCheckBox::toggled, this,
            side == X ? &AxisPanel::LabelsOnAxisX_CheckBoxClick : &AxisPanel::LabelsOnAxisY_CheckBoxClick);
    connect(c.grid, &QCheckBox::toggled, this,
            side == X ? &AxisPanel::GridOdcietych_CheckBoxClick : &AxisPanel::GridRzednych_CheckBoxClick);
    return c;
}

void AxisPanel::register_(ControlGroups& groups)
{
    groups.add(ControlGroup::FigureInputs, {FigureTitle_Edit, XAxisTitle_Edit, YAxisTitle_Edit});
    for (const Bound& b : bounds_)
        groups.add(ControlGroup::FigureInputs, b.edit);
    groups.add(ControlGroup::AxisPageControls,
               {OpisOsi_Label, Tytul_Label, FigureTitle_Edit, OpisX_Label, OpisY_Label, XAxisTitle_Edit,
                YAxisTitle_Edit, AcceptFigureTittle_Button, AcceptXTittle_Button, AcceptYTittle_Button,
                ZakresyOsi_Label, AutomaticHandsRanges_Button, AutoUpDown_Button, LeftRight_Button,
                ParametryOsi_PageControl});
    for (const Bound& b : bounds_)
        groups.add(ControlGroup::AxisPageControls, {b.edit, b.up, b.down});
    for (QLabel* label : rangeLabels_)
        groups.add(ControlGroup::AxisPageControls, label);
    for (QLabel* label : columnLabels_)
        groups.add(ControlGroup::AxisPageControls, label);
    for (const Column& c : columns_) {
        for (UpDown* upDown : c.upDowns)
            groups.add(ControlGroup::AxisPageControls, upDown);
        groups.add(ControlGroup::AxisPageControls, {c.labelsOnAxis, c.grid});
        for (QLineEdit* edit : c.edits)
            groups.add(ControlGroup::AxisFields, edit);
        groups.add(ControlGroup::AxisFields, c.increment);
    }
}

void AxisPanel::attachGridMenuItems(QAction* vertical, QAction* horizontal)
{
    columns_[X].gridItem = vertical;
    columns_[Y].gridItem = horizontal;
    vertical->setChecked(columns_[X].grid->isChecked());
    horizontal->setChecked(columns_[Y].grid->isChecked());
    connect(vertical, &QAction::triggered, this, &AxisPanel::Siatkapionowa1Click);
    connect(horizontal, &QAction::triggered, this, &AxisPanel::Siatkapozioma1Click);
}

// --- titles ----------------------------------------------------------------------------------

void AxisPanel::FigureTitle_EditEnter() { AcceptFigureTittle_ButtonClick(); }

void AxisPanel::AcceptFigureTittle_ButtonClick()
{
    chart_.setTitleLines(QStringList{FigureTitle_Edit->text()});
    const int slot = figures_.currentSlot();
    if (slot < 0)
        return;
    QString text;
    for (const QString& line : chart_.titleLines())
        text += line + u'\n';
    figures_.record(slot).FigureTitle = text;
}

void AxisPanel::AcceptXTittle_ButtonClick() { noteAxisTitle(X); }

void AxisPanel::AcceptYTittle_ButtonClick() { noteAxisTitle(Y); }

void AxisPanel::noteAxisTitle(Side side)
{
    ChartAxis& axis = *columns_[side].axis;
    axis.setTitle((side == X ? XAxisTitle_Edit : YAxisTitle_Edit)->text());
    const int slot = figures_.currentSlot();
    if (slot < 0)
        return;
    (side == X ? figures_.record(slot).AxisTitleX : figures_.record(slot).AxisTitleY) = axis.title();
}

// --- ranges ----------------------------------------------------------------------------------

void AxisPanel::AutomaticHandsRanges_ButtonClick()
{
    ChartAxis& bottom = chart_.bottomAxis();
    ChartAxis& left = chart_.leftAxis();
    bottom.setAutomatic(!bottom.isAutomatic());
    left.setAutomatic(!left.isAutomatic());
    chart_.replotNow();
    AutomaticHandsRanges_Button->setText(bottom.isAutomatic() ? QStringLiteral("Automatycznie")
                                                              : QStringLiteral("Ręcznie"));
    writeBounds(true, true);
}

void AxisPanel::AutoUpDown_ButtonClick()
{
    chart_.leftAxis().setAutomatic(true);
    chart_.replotNow();
    writeBounds(false, true);
}

void AxisPanel::LeftRight_ButtonClick()
{
    chart_.bottomAxis().setAutomatic(true);
    chart_.replotNow();
    writeBounds(true, false);
}

void AxisPanel::writeBounds(bool bottom, bool left)
{
    for (const Bound& b : bounds_) {
        if (b.leftAxis ? !left : !bottom)
            continue;
        const ChartAxis& axis = b.leftAxis ? chart_.leftAxis() : chart_.bottomAxis();
        b.edit->setText(scientificBoundText(b.maximum ? axis.maximum() : axis.minimum()));
        b.edit->setCursorPosition(0);  // the leading digits show; the whole value is the hint
    }
}

void AxisPanel::boundEntered(int bound)
{
    const Bound& b = bounds_.at(std::size_t(bound));
    const double value = boundValue(b.edit->text());
    selectAllOf(b.edit);
    ChartAxis& axis = b.leftAxis ? chart_.leftAxis() : chart_.bottomAxis();
    if (b.maximum)
        axis.setMaximum(value);
    else
        axis.setMinimum(value);
}

void AxisPanel::boundStepped(int bound, int direction)
{
    const Bound& b = bounds_.at(std::size_t(bound));
    ChartAxis& axis = b.leftAxis ? chart_.leftAxis() : chart_.bottomAxis();
    const double step = (axis.maximum() - axis.minimum()) / 20;
    const double value = (b.maximum ? axis.maximum() : axis.minimum()) + (direction > 0 ? step : -step);
    b.edit->setText(scientificBoundText(value));
    b.edit->setCursorPosition(0);
    if (b.maximum)
        axis.setMaximum(value);
    else
        axis.setMinimum(value);
}

// --- parameters of an axis ---------------------------------------------------------------------

void AxisPanel::fieldEntered(Side side, Field field)
{
    const Column& c = columns_[side];
    const int f = int(field);
    QLineEdit* edit = c.edits[f];
    double value = fieldValue(edit->text());
    if (field == Field::Separation) {
        // The field's own words read back as the values they stand for.
        const QString word = cleanedFieldText(edit->text()).trimmed();
        if (word == QStringLiteral("BRAK"))
            value = 0;
        else if (word == QStringLiteral("AUTO"))
            value = 1;
    }
    value = std::min(value, double(kLimits[f].limit));
    const int rounded = roundHalfEven(value);
    c.upDowns[f]->setPosition(rounded);
    if (field == Field::Separation) {
        if (value == 0 || value == 1)
            edit->setText(separationText(int(value)));
    } else {
        edit->setText(localeNumberText(value));
    }
    selectAllOf(edit);
    ChartAxis& axis = *c.axis;
    switch (field) {
    case Field::MajorLength: axis.setTickLength(rounded); break;
    case Field::MinorLength: axis.setMinorTickLength(rounded); break;
    case Field::MinorCount: axis.setMinorTickCount(rounded); break;
    case Field::Separation: axis.setLabelSeparation(rounded); break;
    }
}

void AxisPanel::upDownClicked(Side side, Field field)
{
    const Column& c = columns_[side];
    const int f = int(field);
    const int position = c.upDowns[f]->position();
    ChartAxis& axis = *c.axis;
    switch (field) {
    case Field::MajorLength: axis.setTickLength(position); break;
    case Field::MinorLength: axis.setMinorTickLength(position); break;
    case Field::MinorCount: axis.setMinorTickCount(position); break;
    case Field::Separation: axis.setLabelSeparation(position); break;
    }
    c.edits[f]->setText(field == Field::Separation ? separationText(position) : QString::number(position));
    if (field != Field::MinorCount)
        selectAllOf(c.edits[f]);
}

void AxisPanel::incrementEntered(Side side)
{
    QLineEdit* edit = columns_[side].increment;
    const QString cleaned = cleanedFieldText(edit->text());
    edit->setText(cleaned);
    selectAllOf(edit);
    // No leading number (as in "AUTO"): 0, and the chart spaces the ticks itself.
    columns_[side].axis->setIncrement(leadingNumber(cleaned));
}

// --- grids and labels --------------------------------------------------------------------------

void AxisPanel::GridOdcietych_CheckBoxClick() { gridBoxClicked(X); }
void AxisPanel::GridRzednych_CheckBoxClick() { gridBoxClicked(Y); }
void AxisPanel::Siatkapionowa1Click() { gridItemClicked(X); }
void AxisPanel::Siatkapozioma1Click() { gridItemClicked(Y); }

void AxisPanel::gridBoxClicked(Side side)
{
    const Column& c = columns_[side];
    c.axis->setGridVisible(c.grid->isChecked());
    if (c.gridItem)
        c.gridItem->setChecked(c.axis->isGridVisible());
}

void AxisPanel::gridItemClicked(Side side)
{
    // The checkable item has toggled its check already.
    const Column& c = columns_[side];
    c.axis->setGridVisible(c.gridItem->isChecked());
    c.grid->setChecked(c.axis->isGridVisible());
}

void AxisPanel::LabelsOnAxisX_CheckBoxClick() { chart_.bottomAxis().setLabelsOnAxis(columns_[X].labelsOnAxis->isChecked()); }

void AxisPanel::LabelsOnAxisY_CheckBoxClick() { chart_.leftAxis().setLabelsOnAxis(columns_[Y].labelsOnAxis->isChecked()); }

// --- events ------------------------------------------------------------------------------------

void AxisPanel::selectAllOf(QLineEdit* edit) { edit->selectAll(); }

bool AxisPanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit)
        return QWidget::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (edit == FigureTitle_Edit) {
        if (type == QEvent::FocusIn)
            FigureTitle_EditEnter();
        else if (type == QEvent::KeyRelease)
            AcceptFigureTittle_ButtonClick();
        return QWidget::eventFilter(watched, event);
    }
    if (edit == XAxisTitle_Edit || edit == YAxisTitle_Edit) {
        if (type == QEvent::FocusOut || type == QEvent::KeyRelease)
            noteAxisTitle(edit == XAxisTitle_Edit ? X : Y);
        return QWidget::eventFilter(watched, event);
    }
    // The numeric fields: the mouse over one focuses it and selects its text.
    if (type == QEvent::MouseMove && edit->isEnabled()) {
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
    }
    for (int i = 0; i < 4; ++i)
        if (edit == bounds_[i].edit && isEnter(event))
            boundEntered(i);
    const bool accept = isEnter(event) || type == QEvent::FocusOut;
    if (!accept)
        return QWidget::eventFilter(watched, event);
    for (Side side : {X, Y}) {
        const Column& c = columns_[side];
        for (int f = 0; f < 4; ++f)
            if (edit == c.edits[f])
                fieldEntered(side, Field(f));
        if (edit == c.increment)
            incrementEntered(side);
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tallox
