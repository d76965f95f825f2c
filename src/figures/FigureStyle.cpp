// The style of the current figure's points: shape, colour, fill and size, and the samples the
// three style lists draw for their entries.
#include "chart/Chart.h"
#include "common/Messages.h"
#include "figures/FiguresPage.h"
#include "figures/PointStyles.h"
#include "figures/SampleComboBox.h"
#include "figures/UpDown.h"

#include <QComboBox>
#include <QLineEdit>

namespace tallox {

QColor FiguresPage::chosenColour() const
{
    const int k = std::clamp(KolorPunktow_ComboBox->currentIndex(), 0, offeredColourCount - 1);
    return colourTable()[std::size_t(k)].color();
}

bool FiguresPage::chosenFillSolid() const
{
    const int k = std::clamp(StylPunktow_ComboBox->currentIndex(), 0, int(fillTable().size()) - 1);
    return fillTable()[std::size_t(k)].solid;
}

void FiguresPage::TypPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index,
                                              const QColor&)
{
    drawTypeSample(painter, sample, index, chosenColour(), chosenFillSolid());
}

void FiguresPage::KolorPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index,
                                                const QColor& text)
{
    drawColourSample(painter, sample, index, text);
}

void FiguresPage::StylPunktow_ComboBoxDrawItem(QPainter& painter, const QRect& sample, int index,
                                               const QColor&)
{
    const int k = std::clamp(index, 0, int(fillTable().size()) - 1);
    drawFillSample(painter, sample, chosenColour(), fillTable()[std::size_t(k)].solid);
}

void FiguresPage::TypPunktow_ComboBoxChange()
{
    const int s = currentSlot();
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

void FiguresPage::KolorPunktow_ComboBoxChange()
{
    if (NrWykresu_ComboBox->currentIndex() < 0) {
        showMessage({MessageIcon::Information, kInformationCaption,
                     QStringLiteral("Najpierw ustal numer zestawu danych"), MessageButtons::Ok});
        return;
    }
    const int s = currentSlot();
    const int colour = KolorPunktow_ComboBox->currentIndex();
    if (s < 0 || colour < 0)
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

void FiguresPage::StylPunktow_ComboBoxChange()
{
    const int s = currentSlot();
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

void FiguresPage::Rozmiar_UpDownChangingEx(int newPosition)
{
    const int size = std::max(newPosition, 1);
    const int s = currentSlot();
    if (s >= 0)
        chart_.series(s).setPointerSize(size, size);
    Rozmiar_Edit->setText(QString::number(size));
    Rozmiar_Edit->selectAll();
}

void FiguresPage::Rozmiar_EditKeyDown(int key)
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
    const int s = currentSlot();
    if (s >= 0)
        chart_.series(s).setPointerSize(size, size);
    Rozmiar_Edit->setText(QString::number(size));
    Rozmiar_Edit->selectAll();
}

void FiguresPage::Rozmiar_EditMouseMove()
{
    Rozmiar_Edit->setFocus();
    Rozmiar_Edit->selectAll();
}

}  // namespace tallox
