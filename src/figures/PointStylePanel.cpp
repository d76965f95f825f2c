#include "figures/PointStylePanel.h"

#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/ControlGroups.h"
#include "figures/FigureTable.h"
#include "figures/PageWidgets.h"
#include "figures/PointStyles.h"
#include "figures/SampleComboBox.h"
#include "figures/UpDown.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace tallox {

PointStylePanel::PointStylePanel(FigureTable& figures, Chart& chart, ControlGroups& groups,
                                 QWidget* parent)
    : QWidget(parent), figures_(figures), chart_(chart)
{
    setObjectName(QStringLiteral("pointStylePanel"));
    buildControls();
    groups.add(ControlGroup::PointStyle,
               {TypPunktow_Label, KolorPunktow_Label, StylPunktow_Label, Rozmiar_Label, TypPunktow_ComboBox,
                KolorPunktow_ComboBox, StylPunktow_ComboBox, Rozmiar_Edit, Rozmiar_UpDown});
    groups.add(ControlGroup::FigureInputs,
               {TypPunktow_ComboBox, Rozmiar_Edit, KolorPunktow_ComboBox, StylPunktow_ComboBox});

    connect(TypPunktow_ComboBox, &QComboBox::activated, this, &PointStylePanel::TypPunktow_ComboBoxChange);
    connect(KolorPunktow_ComboBox, &QComboBox::activated, this,
            &PointStylePanel::KolorPunktow_ComboBoxChange);
    connect(StylPunktow_ComboBox, &QComboBox::activated, this, &PointStylePanel::StylPunktow_ComboBoxChange);
    connect(Rozmiar_UpDown, &UpDown::changing, this, &PointStylePanel::Rozmiar_UpDownChangingEx);
    Rozmiar_Edit->installEventFilter(this);

    // The design-time pointer of the point series: a solid red circle.
    TypPunktow_ComboBox->setCurrentIndex(1);
    KolorPunktow_ComboBox->setCurrentIndex(0);
    StylPunktow_ComboBox->setCurrentIndex(0);
}

PointStylePanel::~PointStylePanel() { Rozmiar_Edit->removeEventFilter(this); }

void PointStylePanel::buildControls()
{
    QWidget* panel = framedPanel(this, "pointStyleFrame");
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(panel);
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

bool PointStylePanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Rozmiar_Edit) {
        if (event->type() == QEvent::KeyPress)
            Rozmiar_EditKeyDown(static_cast<QKeyEvent*>(event)->key());
        else if (event->type() == QEvent::MouseMove)
            Rozmiar_EditMouseMove();
    }
    return QWidget::eventFilter(watched, event);
}

QColor PointStylePanel::chosenColour() const
{
    const int k = std::clamp(KolorPunktow_ComboBox->currentIndex(), 0, offeredColourCount - 1);
    return colourTable()[std::size_t(k)].color();
}

bool PointStylePanel::chosenFillSolid() const
{
    const int k = std::clamp(StylPunktow_ComboBox->currentIndex(), 0, int(fillTable().size()) - 1);
    return fillTable()[std::size_t(k)].solid;
}

void PointStylePanel::TypPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index,
                                           const QColor&)
{
    drawTypeSample(painter, sample, index, chosenColour(), chosenFillSolid());
}

void PointStylePanel::KolorPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index,
                                             const QColor& text)
{
    drawColourSample(painter, sample, index, text);
}

void PointStylePanel::StylPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index,
                                            const QColor&)
{
    const int k = std::clamp(index, 0, int(fillTable().size()) - 1);
    drawFillSample(painter, sample, chosenColour(), fillTable()[std::size_t(k)].solid);
}

void PointStylePanel::TypPunktow_ComboBoxChange()
{
    const int s = figures_.currentSlot();
    const int type = TypPunktow_ComboBox->currentIndex();
    if (s < 0 || type < 0)
        return;
    ChartSeries& points = chart_.series(s);
    points.setBrushColor(chosenColour());
    points.setPenColor(chosenColour());
    points.setFilled(chosenFillSolid());
    points.setPointerShape(pointerShapeFor(type));
    Rozmiar_Edit->setFocus();
    figures_.record(s).PointType = pointerShapeFor(type);
}

void PointStylePanel::KolorPunktow_ComboBoxChange()
{
    const int s = figures_.currentSlot();
    // No figure chosen in the figure list.
    if (s < 0) {
        showMessage({MessageIcon::Information, kInformationCaption,
                     QStringLiteral("Najpierw ustal numer zestawu danych"), MessageButtons::Ok});
        return;
    }
    const int colour = KolorPunktow_ComboBox->currentIndex();
    if (colour < 0)
        return;
    ChartSeries& points = chart_.series(s);
    points.setBrushColor(chosenColour());
    points.setPenColor(chosenColour());
    points.setFilled(chosenFillSolid());
    danewykresu& figure = figures_.record(s);
    // A fitted line wears the colour of its points.
    if (figure.RegressionDone)
        chart_.series(Chart::firstLineSeries + s).setPenColor(chosenColour());
    // The fill and type samples are drawn in the chosen colour.
    StylPunktow_ComboBox->update();
    TypPunktow_ComboBox->update();
    Rozmiar_Edit->setFocus();
    figure.PointColour = std::uint8_t(colour);
}

void PointStylePanel::StylPunktow_ComboBoxChange()
{
    const int s = figures_.currentSlot();
    const int fill = StylPunktow_ComboBox->currentIndex();
    if (s < 0 || fill < 0)
        return;
    ChartSeries& points = chart_.series(s);
    if (fill == 0) {
        points.setBrushColor(chosenColour());
        points.setPenColor(chosenColour());
        points.setFilled(true);
    } else {
        points.setFilled(false);
    }
    TypPunktow_ComboBox->update();
    Rozmiar_Edit->setFocus();
    figures_.record(s).PointFill = fill == 0 ? PointFill::Solid : PointFill::Outline;
}

void PointStylePanel::Rozmiar_UpDownChangingEx(int newPosition)
{
    const int size = std::max(newPosition, 1);
    const int s = figures_.currentSlot();
    if (s >= 0)
        chart_.series(s).setPointerSize(size, size);
    Rozmiar_Edit->setText(QString::number(size));
    Rozmiar_Edit->selectAll();
}

void PointStylePanel::Rozmiar_EditKeyDown(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return;
    // A comma is deleted, not read as a decimal mark: "1,2" is size 12.
    QString text = Rozmiar_Edit->text();
    const qsizetype comma = text.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        text.remove(comma, 1);
        Rozmiar_Edit->setText(text);
    }
    bool ok = false;
    const int typed = text.toInt(&ok);
    if (!ok) {
        showMessage({MessageIcon::Critical, QStringLiteral("Tallox"),
                     QStringLiteral("'%1' is not a valid integer value").arg(text), MessageButtons::Ok});
        return;
    }
    // Sizes outside the up-down's range are brought within it.
    Rozmiar_UpDown->setPosition(typed);
    const int size = Rozmiar_UpDown->position();
    const int s = figures_.currentSlot();
    if (s >= 0)
        chart_.series(s).setPointerSize(size, size);
    Rozmiar_Edit->setText(QString::number(size));
    Rozmiar_Edit->selectAll();
}

void PointStylePanel::Rozmiar_EditMouseMove()
{
    Rozmiar_Edit->setFocus();
    Rozmiar_Edit->selectAll();
}

}  // namespace tallox
