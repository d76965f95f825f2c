#include "app/DataPage.h"

#include "common/WidgetHelpers.h"
#include "worksheet/TF1Book.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QVBoxLayout>

namespace {
// The page as laid out: the worksheet panel keeps these margins when the window is resized.
constexpr int kPanelLeft = 8, kPanelTop = 96, kPanelRightMargin = 8, kPanelBottomMargin = 8;
constexpr int kButtonTop = 64, kButtonWidth = 113, kButtonHeight = 27;
constexpr int kInitialWindowWidth = 958;
constexpr int kBarHeight = 34, kBarGap = 4;
} // namespace

DataPage::DataPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Dane_TabSheet"));

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(28);
    title.setBold(true);
    tallox::addShadowTitle(this, QStringLiteral("Dane Eksperymentalne"), title, QColor(0, 128, 128),
                           8, 12);

    auto makeButton = [this](const char* name, const QString& text, int left) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
        return button;
    };
    LoadData_Button = makeButton("LoadData_Button", QStringLiteral("Ładuj Dane"), 8);
    NewDane_Button = makeButton("NewDane_Button", QStringLiteral("Nowe Dane"), 125);
    SaveData_Button = makeButton("SaveData_Button", QStringLiteral("Zachowaj Dane"), 242);
    LoadProjects_Button = makeButton("LoadProjects_Button", QStringLiteral("Otwórz Analizy"), 359);
    ZachowajAnalizy_Button =
        makeButton("ZachowajAnalizy_Button", QStringLiteral("Zachowaj Analizy"), 476);
    NewProject_Button = makeButton("NewProject_Button", QStringLiteral("Nowe Analizy"), 593);
    for (QPushButton* button : {LoadProjects_Button, ZachowajAnalizy_Button, NewProject_Button}) {
        button->setEnabled(false);
        button->hide();
    }
    const QString newDataHint = QStringLiteral("Usuniecie danych z arkusza i edycja nowych danych");
    NewDane_Button->setToolTip(newDataHint);
    NewDane_Button->setStatusTip(newDataHint);

    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(kPanelLeft, kPanelTop, 926, 472);
    F1Book1 = new TF1Book(Panel1);
    F1Book1->setObjectName(QStringLiteral("F1Book1"));
    auto* layout = new QVBoxLayout(Panel1);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(F1Book1);

    RecoveryBar = new QFrame(this);
    RecoveryBar->setObjectName(QStringLiteral("RecoveryBar"));
    RecoveryBar->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    RecoveryBar->setAutoFillBackground(true);
    RecoveryBar->setBackgroundRole(QPalette::ToolTipBase);
    RecoveryBar_Label = new QLabel(RecoveryBar);
    RecoveryBar_Label->setObjectName(QStringLiteral("RecoveryBar_Label"));
    RecoveryBar_Label->setTextFormat(Qt::PlainText);
    RecoveryBar_Label->setForegroundRole(QPalette::ToolTipText);
    Przywroc_Button = new QPushButton(QStringLiteral("Przywróć"), RecoveryBar);
    Przywroc_Button->setObjectName(QStringLiteral("Przywroc_Button"));
    Odrzuc_Button = new QPushButton(QStringLiteral("Odrzuć"), RecoveryBar);
    Odrzuc_Button->setObjectName(QStringLiteral("Odrzuc_Button"));
    auto* bar = new QHBoxLayout(RecoveryBar);
    bar->setContentsMargins(8, 2, 4, 2);
    bar->addWidget(RecoveryBar_Label, 1);
    bar->addWidget(Przywroc_Button);
    bar->addWidget(Odrzuc_Button);
    RecoveryBar->hide();
}

void DataPage::showRecoveryBar(const QString& text, bool canRestore)
{
    RecoveryBar_Label->setText(text);
    Przywroc_Button->setEnabled(canRestore);
    RecoveryBar->show();
    placePanel();
}

void DataPage::hideRecoveryBar()
{
    RecoveryBar->hide();
    placePanel();
}

void DataPage::placePanel()
{
    // The bar, when shown, takes the top of the grid's place.
    const int width = std::max(0, this->width() - kPanelLeft - kPanelRightMargin);
    int top = kPanelTop;
    if (!RecoveryBar->isHidden()) {
        RecoveryBar->setGeometry(kPanelLeft, kPanelTop, width, kBarHeight);
        top += kBarHeight + kBarGap;
    }
    Panel1->setGeometry(kPanelLeft, top, width, std::max(0, height() - top - kPanelBottomMargin));
}

void DataPage::placeSaveButton(int left)
{
    saveButtonLeft_ = left;
    SaveData_Button->move(left, kButtonTop);
}

void DataPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placePanel();
    // The button is anchored to the right edge: it keeps the distance to it that it has in the
    // main window's initial width.
    if (saveButtonLeft_ >= 0)
        SaveData_Button->move(std::max(0, saveButtonLeft_ + window()->width() - kInitialWindowWidth),
                              kButtonTop);
}
