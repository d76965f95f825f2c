#include "app/TForm12.h"

#include "app/TForm1.h"
#include "app/TForm13.h"
#include "app/TextFileDialog.h"
#include "common/Dialogs.h"
#include "common/WidgetHelpers.h"
#include "tallox_version.h"

#include <QLabel>
#include <QPushButton>

namespace {
QLabel* addLabel(QWidget* parent, const QString& text, int x, int y, const QFont& font)
{
    auto* label = new QLabel(text, parent);
    label->setFont(font);
    label->adjustSize();
    label->move(x, y);
    return label;
}
} // namespace

TForm12::TForm12(TForm1& main, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      main_(main)
{
    setObjectName(QStringLiteral("Form12"));
    setWindowTitle(QStringLiteral("    Ważne"));
    setFixedSize(568, 330);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(34);
    title.setBold(true);
    tallox::addShadowTitle(this, QStringLiteral("Tallox PL ver " TALLOX_VERSION_SHORT), title,
                           QColor(0, 128, 128), 24, 14);

    QFont edition(QStringLiteral("DejaVu Serif"));
    edition.setPixelSize(20);
    edition.setBold(true);
    edition.setItalic(true);
    Edition2_Label = addLabel(this, QString(), 285, 61, edition);
    Edition1_Label = addLabel(this, QString(), 284, 60, edition);
    Edition2_Label->setObjectName(QStringLiteral("Edition2_Label"));
    Edition1_Label->setObjectName(QStringLiteral("Edition1_Label"));
    QPalette maroon = Edition1_Label->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    Edition1_Label->setPalette(maroon);
    for (QLabel* label : {Edition1_Label, Edition2_Label}) {
        label->setText(QStringLiteral("    Home Edition"));
        label->adjustSize();
    }

    QFont body = font();
    body.setPixelSize(13);
    QFont bold = body;
    bold.setBold(true);
    addLabel(this, QStringLiteral("Wersja kodowa Beta      kompilacja  24 X 2014  1155"), 24, 104,
             body);
    QLabel* warning = addLabel(
        this, QStringLiteral("Uwaga :   Program w trakcie tworzenia, mogą występować błędy"), 24,
        142, bold);
    QPalette red = warning->palette();
    red.setColor(QPalette::WindowText, QColor(170, 0, 0));
    warning->setPalette(red);
    addLabel(this,
             QStringLiteral(
                 "W przypadku zauważenia błędów (konkretnych)  zgłoś problem prowadzącemu"),
             24, 166, body);
    addLabel(this, QStringLiteral("Osoby prywatne lub Instytucjonalne zainteresowane programem "),
             24, 206, body);
    addLabel(this, QStringLiteral("proszę o kontakt.  Autor"), 24, 226, body);

    auto makeButton = [this](const char* name, const QString& text, int left) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, 276, 120, 30);
        return button;
    };
    WhatNew_Button = makeButton("WhatNew_Button", QStringLiteral("Co nowego ?"), 24);
    Zasluzeni_Button = makeButton("Zasluzeni_Button", QStringLiteral("Zasłużeni !"), 156);
    Dalej_Button = makeButton("Dalej_Button", QStringLiteral("Rozpocznij pracę"), 424);
    Dalej_Button->setDefault(true);
    connect(Dalej_Button, &QPushButton::clicked, this, &TForm12::Dalej_ButtonClick);
    connect(WhatNew_Button, &QPushButton::clicked, this, &TForm12::WhatNew_ButtonClick);
    connect(Zasluzeni_Button, &QPushButton::clicked, this, &TForm12::Zasluzeni_ButtonClick);
}

void TForm12::reduceToContinueButton()
{
    WhatNew_Button->hide();
    Zasluzeni_Button->hide();
    Dalej_Button->move(224, Dalej_Button->y());
    Dalej_Button->setText(QStringLiteral("Pracuj dalej !   "));
}

void TForm12::Dalej_ButtonClick() { accept(); }

void TForm12::WhatNew_ButtonClick() { tallox::execModal(*main_.Form4); }

void TForm12::Zasluzeni_ButtonClick() { tallox::execModal(*main_.Form13); }

void TForm12::showEvent(QShowEvent* event)
{
    // Centred on the screen, whether or not the main window is visible yet.
    tallox::centreOnScreen(*this);
    QDialog::showEvent(event);
}
