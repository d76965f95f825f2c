#include "figures/FiguresPage.h"

#include "chart/Chart.h"
#include "figures/ControlNames.h"
#include "figures/PointStyles.h"
#include "figures/SampleComboBox.h"
#include "figures/UpDown.h"
#include "worksheet/ColumnTable.h"
#include "worksheet/TF1Book.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tallox {

QColor buttonFaceColour() { return QApplication::palette().color(QPalette::Button); }
QColor windowColour() { return QApplication::palette().color(QPalette::Base); }

void paintInput(QWidget* input, const QColor& colour)
{
    if (!input)
        return;
    QPalette pal = input->palette();
    // Fields fill with Base; closed lists are drawn with Button by most styles.
    pal.setColor(QPalette::Base, colour);
    pal.setColor(QPalette::Button, colour);
    input->setPalette(pal);
}

namespace {

// The area of figure inputs to the right of the chart.
constexpr int inputsWidth = 280;

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->addItems(items);
    return list;
}

// The data columns: "A" to "V", then the columns the transformations write to.
QStringList dataColumnEntries()
{
    QStringList entries = sheetColumnLetters().mid(0, dataColumns);
    entries << QStringLiteral("Trans X") << QStringLiteral("Trans Y") << QStringLiteral("Trans niep X")
            << QStringLiteral("Trans niep Y");
    return entries;
}

QWidget* framedPanel(QWidget* parent)
{
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}

}  // namespace

FiguresPage::FiguresPage(TF1Book& sheet, ColumnTable& columns, FigureTable& figures, Chart& chart,
                         QWidget* parent)
    : QWidget(parent), sheet_(sheet), columns_(columns), figures_(figures), chart_(chart),
      fittedLine_(figures, chart)
{
    setObjectName(QStringLiteral("Wykresy_TabSheet"));
    chart_.setParent(this);
    chart_.move(0, 0);
    chart_.installEventFilter(this);
    chart_.show();
    buildControls();
    wireHandlers();
    setStartState();
    placeInputs();
}

FiguresPage::~FiguresPage()
{
    chart_.removeEventFilter(this);
    for (QLineEdit* field : {NiepX_Edit, NiepY_Edit, Rozmiar_Edit})
        field->removeEventFilter(this);
}

int FiguresPage::currentSlot() const
{
    const int slot = NrWykresu_ComboBox->currentIndex();
    return slot >= 0 && slot < FigureTable::slotCount ? slot : -1;
}

void FiguresPage::buildControls()
{
    inputsArea_ = new QScrollArea(this);
    inputsArea_->setObjectName(QStringLiteral("figureInputsArea"));
    inputsArea_->setWidgetResizable(true);
    inputsArea_->setFrameShape(QFrame::NoFrame);
    inputsArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* inputs = new QWidget;
    inputs->setObjectName(QStringLiteral("figureInputs"));
    auto* column = new QVBoxLayout(inputs);
    column->setContentsMargins(6, 6, 6, 6);
    column->setSpacing(5);

    // The figure: its number, create and remove.
    auto* figureRow = new QGridLayout;
    figureRow->setHorizontalSpacing(6);
    AktuWykres_Label = makeLabel(inputs, "AktuWykres_Label", QStringLiteral("Wykres nr"));
    NrWykresu_ComboBox = makeList(inputs, "NrWykresu_ComboBox", {QStringLiteral("1")});
    AddFigure_Button = new QPushButton(QStringLiteral("Dodaj Wykres"), inputs);
    AddFigure_Button->setObjectName(QStringLiteral("AddFigure_Button"));
    AddFigure_Button->setToolTip(QStringLiteral("Utworz nowy wykres"));
    AddFigure_Button->setStatusTip(AddFigure_Button->toolTip());
    RemoveFigure_Button = new QPushButton(QStringLiteral("Usuń"), inputs);
    RemoveFigure_Button->setObjectName(QStringLiteral("RemoveFigure_Button"));
    RemoveFigure_Button->setToolTip(QStringLiteral("Usun wykres"));
    RemoveFigure_Button->setStatusTip(RemoveFigure_Button->toolTip());
    figureRow->addWidget(AktuWykres_Label, 0, 0);
    figureRow->addWidget(NrWykresu_ComboBox, 0, 1);
    figureRow->addWidget(AddFigure_Button, 1, 0);
    figureRow->addWidget(RemoveFigure_Button, 1, 1);
    figureRow->setColumnStretch(0, 1);
    figureRow->setColumnStretch(1, 1);
    column->addLayout(figureRow);

    // The data: which columns are X and Y, and whether the points and the line show.
    Dane_Label = makeLabel(inputs, "Dane_Label", QStringLiteral("Dane wykresu"));
    Dane_Label->setFont(boldFont(Dane_Label->font()));
    column->addWidget(Dane_Label);
    auto* data = new QGridLayout;
    data->setHorizontalSpacing(6);
    OsOdcietych_Label = makeLabel(inputs, "OsOdcietych_Label", QStringLiteral("Oś odciętych (X)"));
    OsRzednych_Label = makeLabel(inputs, "OsRzednych_Label", QStringLiteral("Oś rzędnych (Y)"));
    NrKolumnyDanychX_ComboBox = makeList(inputs, "NrKolumnyDanychX_ComboBox", dataColumnEntries());
    NrKolumnyDanychY_ComboBox = makeList(inputs, "NrKolumnyDanychY_ComboBox", dataColumnEntries());
    WykresWidoczny_Label = makeLabel(inputs, "WykresWidoczny_Label", QStringLiteral("Wykres widoczny"));
    RegresjaWidoczna_Label =
        makeLabel(inputs, "RegresjaWidoczna_Label", QStringLiteral("Regresja widoczna"));
    const QStringList yesNo = {QStringLiteral("Tak"), QStringLiteral("Nie")};
    WidocznyWykres_ComboBox = makeList(inputs, "WidocznyWykres_ComboBox", yesNo);
    WidocznaRegresja_ComboBox = makeList(inputs, "WidocznaRegresja_ComboBox", yesNo);
    data->addWidget(OsOdcietych_Label, 0, 0);
    data->addWidget(NrKolumnyDanychX_ComboBox, 0, 1);
    data->addWidget(OsRzednych_Label, 1, 0);
    data->addWidget(NrKolumnyDanychY_ComboBox, 1, 1);
    data->addWidget(WykresWidoczny_Label, 2, 0);
    data->addWidget(WidocznyWykres_ComboBox, 2, 1);
    data->addWidget(RegresjaWidoczna_Label, 3, 0);
    data->addWidget(WidocznaRegresja_ComboBox, 3, 1);
    data->setColumnStretch(0, 1);
    data->setColumnStretch(1, 1);
    column->addLayout(data);

    auto* xPanel = framedPanel(inputs);
    xPanel->setObjectName(QStringLiteral("uncertaintyXPanel"));
    buildUncertaintyGroup(Axis::X, xPanel);
    column->addWidget(xPanel);
    auto* yPanel = framedPanel(inputs);
    yPanel->setObjectName(QStringLiteral("uncertaintyYPanel"));
    buildUncertaintyGroup(Axis::Y, yPanel);
    column->addWidget(yPanel);

    auto* stylePanel = framedPanel(inputs);
    stylePanel->setObjectName(QStringLiteral("pointStylePanel"));
    buildStyleGroup(stylePanel);
    column->addWidget(stylePanel);

    Akceptuj_Button = new QPushButton(QStringLiteral("Akceptuj Ustawienia"), inputs);
    Akceptuj_Button->setObjectName(QStringLiteral("Akceptuj_Button"));
    column->addWidget(Akceptuj_Button);

    buildOptionPages();
    figureOptionsPages->setParent(inputs);
    figureOptionsPages->setMinimumHeight(120);
    column->addWidget(figureOptionsPages, 1);

    inputsArea_->setWidget(inputs);
}

void FiguresPage::buildUncertaintyGroup(Axis axis, QWidget* panel)
{
    const bool x = axis == Axis::X;
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    QLabel* caption = makeLabel(panel, x ? "NiepX_Label" : "NiepY_Label",
                                x ? QStringLiteral("   Niepewności  X   ")
                                  : QStringLiteral("   Niepewności  Y   "));
    caption->setFont(boldFont(caption->font()));
    QComboBox* kind = makeList(panel, x ? "TypNiepX_ComboBox" : "TypNiepY_ComboBox",
                               {QStringLiteral("Brak"), QStringLiteral("Takie same"),
                                QStringLiteral("Różne")});
    auto* value = new QLineEdit(x ? QStringLiteral("0.2") : QStringLiteral("0.3"), panel);
    value->setObjectName(x ? QStringLiteral("NiepX_Edit") : QStringLiteral("NiepY_Edit"));
    QLabel* valueLabel =
        makeLabel(panel, x ? "oWartoscidlakolumnyX_DoWykresu_Label" : "oWartoscidlakolumnyY_DoWykresu_Label",
                  QStringLiteral("o wartości"));
    QComboBox* columnList =
        makeList(panel, x ? "NrKolumnyNiepewnosciX_ComboBox" : "NrKolumnyNiepewnosciY_ComboBox",
                 sheetColumnLetters());
    QLabel* columnLabel = makeLabel(panel, x ? "zkolumnyX_DoWykresu_Label" : "zkolumnyY_DoWykresu_Label",
                                    QStringLiteral("z kolumny"));
    grid->addWidget(caption, 0, 0, 1, 3);
    grid->addWidget(kind, 1, 0);
    // The value field and the column list share one place: at most one of them shows.
    grid->addWidget(valueLabel, 1, 1);
    grid->addWidget(columnLabel, 1, 1);
    grid->addWidget(value, 1, 2);
    grid->addWidget(columnList, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnMinimumWidth(1, 64);
    grid->setColumnStretch(2, 2);
    // Keep the row's height whichever input shows.
    kind->setMinimumHeight(value->sizeHint().height());

    if (x) {
        NiepX_Label = caption, TypNiepX_ComboBox = kind, NiepX_Edit = value;
        oWartoscidlakolumnyX_DoWykresu_Label = valueLabel;
        NrKolumnyNiepewnosciX_ComboBox = columnList, zkolumnyX_DoWykresu_Label = columnLabel;
    } else {
        NiepY_Label = caption, TypNiepY_ComboBox = kind, NiepY_Edit = value;
        oWartoscidlakolumnyY_DoWykresu_Label = valueLabel;
        NrKolumnyNiepewnosciY_ComboBox = columnList, zkolumnyY_DoWykresu_Label = columnLabel;
    }
}

void FiguresPage::buildStyleGroup(QWidget* panel)
{
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);

    auto makeSampleList = [panel](const char* name, int entries, int first) {
        auto* list = new SampleComboBox(panel);
        list->setObjectName(QLatin1String(name));
        for (int i = 0; i < entries; ++i)
            list->addItem(QString::number(first + i));
        return list;
    };
    TypPunktow_Label = makeLabel(panel, "TypPunktow_Label", QStringLiteral("Typ"));
    KolorPunktow_Label = makeLabel(panel, "KolorPunktow_Label", QStringLiteral("Kolor"));
    StylPunktow_Label = makeLabel(panel, "StylPunktow_Label", QStringLiteral("Styl"));
    Rozmiar_Label = makeLabel(panel, "Rozmiar_Label", QStringLiteral("Rozmiar"));
    TypPunktow_ComboBox = makeSampleList("TypPunktow_ComboBox", pointTypeCount, 0);
    KolorPunktow_ComboBox = makeSampleList("KolorPunktow_ComboBox", offeredColourCount, 1);
    StylPunktow_ComboBox = makeSampleList("StylPunktow_ComboBox", int(fillTable().size()), 1);
    TypPunktow_ComboBox->setSamplePainter(
        [this](QPainter& p, const QRect& r, int i, const QColor& t) { TypPunktow_ComboBoxDrawItem(p, r, i, t); });
    KolorPunktow_ComboBox->setSamplePainter(
        [this](QPainter& p, const QRect& r, int i, const QColor& t) { KolorPunktow_ComboBoxDrawItem(p, r, i, t); });
    StylPunktow_ComboBox->setSamplePainter(
        [this](QPainter& p, const QRect& r, int i, const QColor& t) { StylPunktow_ComboBoxDrawItem(p, r, i, t); });

    Rozmiar_Edit = new QLineEdit(QStringLiteral("4"), panel);
    Rozmiar_Edit->setObjectName(QStringLiteral("Rozmiar_Edit"));
    Rozmiar_Edit->setMouseTracking(true);
    Rozmiar_UpDown = new UpDown(panel);
    Rozmiar_UpDown->setObjectName(QStringLiteral("Rozmiar_UpDown"));
    Rozmiar_UpDown->setRange(1, 1000);
    Rozmiar_UpDown->setPosition(4);
    auto* size = new QHBoxLayout;
    size->setSpacing(0);
    size->addWidget(Rozmiar_Edit, 1);
    size->addWidget(Rozmiar_UpDown);

    // The colour list shows the colour's name beside its swatch, so it takes a whole row.
    grid->addWidget(KolorPunktow_Label, 0, 0);
    grid->addWidget(KolorPunktow_ComboBox, 0, 1, 1, 3);
    grid->addWidget(TypPunktow_Label, 1, 0);
    grid->addWidget(TypPunktow_ComboBox, 1, 1);
    grid->addWidget(StylPunktow_Label, 1, 2);
    grid->addWidget(StylPunktow_ComboBox, 1, 3);
    grid->addWidget(Rozmiar_Label, 2, 0);
    grid->addLayout(size, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    Rozmiar_UpDown->setFixedHeight(Rozmiar_Edit->sizeHint().height());
    // The colour list shows names: its popup is wider than the closed list.
    KolorPunktow_ComboBox->view()->setMinimumWidth(130);
}

void FiguresPage::buildOptionPages()
{
    figureOptionsPages = new QTabWidget(this);
    figureOptionsPages->setObjectName(QStringLiteral("figureOptionsPages"));
    Osie_TabSheet = new QWidget;
    Osie_TabSheet->setObjectName(QStringLiteral("Osie_TabSheet"));
    Osie_TabSheet->setToolTip(QStringLiteral("Zakladka opisu wykresu i osi"));
    regressionResultsPage = new QWidget;
    regressionResultsPage->setObjectName(QStringLiteral("regressionResultsPage"));
    Dodatki_TabSheet = new QWidget;
    Dodatki_TabSheet->setObjectName(QStringLiteral("Dodatki_TabSheet"));
    figureOptionsPages->addTab(Osie_TabSheet, QStringLiteral("Osie"));
    figureOptionsPages->setTabToolTip(0, Osie_TabSheet->toolTip());
    figureOptionsPages->addTab(regressionResultsPage, QStringLiteral("  Wyniki Regresji  "));
    figureOptionsPages->addTab(Dodatki_TabSheet, QStringLiteral("   Dodatki   "));
    // The exercise description is created hidden; the exercise work shows it.
    figureOptionsPages->setTabVisible(figureOptionsPages->indexOf(Dodatki_TabSheet), false);
}

void FiguresPage::wireHandlers()
{
    // The figure table follows the chosen figure, whoever chose it (the user or the program).
    connect(NrWykresu_ComboBox, &QComboBox::currentIndexChanged, this,
            [this] { figures_.setCurrentSlot(currentSlot()); });
    figures_.setCurrentSlot(currentSlot());
    connect(AddFigure_Button, &QPushButton::clicked, this, &FiguresPage::AddFigure_ButtonClick);
    connect(RemoveFigure_Button, &QPushButton::clicked, this, &FiguresPage::RemoveFigure_ButtonClick);
    connect(Akceptuj_Button, &QPushButton::clicked, this, &FiguresPage::Akceptuj_ButtonClick);
    connect(NrKolumnyDanychX_ComboBox, &QComboBox::activated, this,
            &FiguresPage::NrKolumnyDanychX_ComboBoxChange);
    connect(NrKolumnyDanychY_ComboBox, &QComboBox::activated, this,
            &FiguresPage::NrKolumnyDanychY_ComboBoxChange);
    connect(WidocznyWykres_ComboBox, &QComboBox::activated, this,
            &FiguresPage::WidocznyWykres_ComboBoxChange);
    connect(WidocznaRegresja_ComboBox, &QComboBox::activated, this,
            &FiguresPage::WidocznaRegresja_ComboBoxChange);
    connect(TypNiepX_ComboBox, &QComboBox::activated, this, &FiguresPage::TypNiepX_ComboBoxChange);
    connect(TypNiepY_ComboBox, &QComboBox::activated, this, &FiguresPage::TypNiepY_ComboBoxChange);
    connect(NrKolumnyNiepewnosciX_ComboBox, &QComboBox::activated, this,
            &FiguresPage::NrKolumnyNiepewnosciX_ComboBoxChange);
    connect(NrKolumnyNiepewnosciY_ComboBox, &QComboBox::activated, this,
            &FiguresPage::NrKolumnyNiepewnosciY_ComboBoxChange);
    connect(TypPunktow_ComboBox, &QComboBox::activated, this, &FiguresPage::TypPunktow_ComboBoxChange);
    connect(KolorPunktow_ComboBox, &QComboBox::activated, this,
            &FiguresPage::KolorPunktow_ComboBoxChange);
    connect(StylPunktow_ComboBox, &QComboBox::activated, this, &FiguresPage::StylPunktow_ComboBoxChange);
    connect(Rozmiar_UpDown, &UpDown::changing, this, &FiguresPage::Rozmiar_UpDownChangingEx);
    for (QLineEdit* field : {NiepX_Edit, NiepY_Edit, Rozmiar_Edit})
        field->installEventFilter(this);
}

void FiguresPage::setStartState()
{
    // Until a figure exists its inputs wear the button face and only "Dodaj Wykres" is enabled.
    paintByName(figureControls::figureInputs, false);
    paintByName(figureControls::uncertaintyKindLists, false);
    paintByName(figureControls::axisFields, false);
    setEnabledByName(figureControls::axisFields, false);
    paintByName(figureControls::exerciseInputs, false);

    NrWykresu_ComboBox->setCurrentIndex(0);
    TypNiepX_ComboBox->setCurrentIndex(0);
    TypNiepY_ComboBox->setCurrentIndex(0);
    TypPunktow_ComboBox->setCurrentIndex(1);
    KolorPunktow_ComboBox->setCurrentIndex(0);
    StylPunktow_ComboBox->setCurrentIndex(0);
    NrKolumnyDanychX_ComboBox->setCurrentIndex(0);
    NrKolumnyNiepewnosciX_ComboBox->setCurrentIndex(0);
    NrKolumnyDanychY_ComboBox->setCurrentIndex(1);
    NrKolumnyNiepewnosciY_ComboBox->setCurrentIndex(1);
    WidocznyWykres_ComboBox->setCurrentIndex(0);
    WidocznaRegresja_ComboBox->setCurrentIndex(1);

    for (QWidget* w : std::initializer_list<QWidget*>{
             AktuWykres_Label, NrWykresu_ComboBox, RemoveFigure_Button, Akceptuj_Button, Dane_Label,
             OsOdcietych_Label, OsRzednych_Label, NrKolumnyDanychX_ComboBox, NrKolumnyDanychY_ComboBox,
             WykresWidoczny_Label, WidocznyWykres_ComboBox, RegresjaWidoczna_Label,
             WidocznaRegresja_ComboBox, NiepX_Label, NiepY_Label, TypNiepX_ComboBox, TypNiepY_ComboBox,
             NiepX_Edit, NiepY_Edit, NrKolumnyNiepewnosciX_ComboBox, NrKolumnyNiepewnosciY_ComboBox})
        w->setEnabled(false);
    setEnabledByName(figureControls::styleGroup, false);
    showUncertaintyInput(Axis::X, 0);
    showUncertaintyInput(Axis::Y, 0);
    figureOptionsPages->setTabEnabled(figureOptionsPages->indexOf(Osie_TabSheet), false);
    figureOptionsPages->setTabEnabled(figureOptionsPages->indexOf(Dodatki_TabSheet), false);
}

FiguresPage::UncertaintyGroup FiguresPage::group(Axis axis) const
{
    if (axis == Axis::X)
        return {NiepX_Label, TypNiepX_ComboBox, NiepX_Edit, oWartoscidlakolumnyX_DoWykresu_Label,
                NrKolumnyNiepewnosciX_ComboBox, zkolumnyX_DoWykresu_Label};
    return {NiepY_Label, TypNiepY_ComboBox, NiepY_Edit, oWartoscidlakolumnyY_DoWykresu_Label,
            NrKolumnyNiepewnosciY_ComboBox, zkolumnyY_DoWykresu_Label};
}

QWidget* FiguresPage::control(const QString& name) const
{
    return findChild<QWidget*>(name);
}

void FiguresPage::setEnabledByName(const QStringList& names, bool enabled)
{
    for (const QString& name : names)
        if (QWidget* w = control(name))
            w->setEnabled(enabled);
}

void FiguresPage::paintByName(const QStringList& names, bool windowColourWanted)
{
    const QColor colour = windowColourWanted ? windowColour() : buttonFaceColour();
    for (const QString& name : names)
        paintInput(control(name), colour);
}

void FiguresPage::placeInputs()
{
    const int left = chart_.x() + chart_.width();
    inputsArea_->setGeometry(left, 0, std::max(0, width() - left), height());
}

void FiguresPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The chart fills the page's height; its width is the main window's to set.
    chart_.resize(chart_.width(), height());
    placeInputs();
}

bool FiguresPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &chart_) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            placeInputs();
        return false;
    }
    const bool uncertaintyField = watched == NiepX_Edit || watched == NiepY_Edit;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (watched == NiepX_Edit)
            NiepX_EditKeyDown(key);
        else if (watched == NiepY_Edit)
            NiepY_EditKeyDown(key);
        else if (watched == Rozmiar_Edit)
            Rozmiar_EditKeyDown(key);
    } else if (event->type() == QEvent::FocusOut && uncertaintyField) {
        // Leaving the field for another control; a box or a menu taking the focus for a moment is
        // no leaving.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == NiepX_Edit)
                NiepX_EditExit();
            else
                NiepY_EditExit();
        }
    } else if (event->type() == QEvent::MouseMove && watched == Rozmiar_Edit) {
        Rozmiar_EditMouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tallox
