#include "app/TForm13.h"

#include "common/WidgetHelpers.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TForm13::TForm13(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("    Zasłużeni dla Rozwoju Programu i   Alpha -Testerzy"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(28, 20, 28, 20);
    layout->setSpacing(10);
    const QStringList names = {
        QStringLiteral("Pracownicy Pracowni Fizycznej – pomysł, wymagania i cierpliwość"),
        QStringLiteral("Prowadzący zajęcia – pierwsze ćwiczenia opracowane w programie"),
        QStringLiteral("Studenci I roku – alfa-testy i dziesiątki zgłoszonych błędów"),
        QStringLiteral("Koło Naukowe Fizyków – zestawy danych do sprawdzania wyników"),
        QStringLiteral("Wszyscy, którzy przysłali uwagi i propozycje zmian"),
    };
    for (const QString& name : names) {
        auto* label = new QLabel(name, this);
        layout->addWidget(label);
    }
    layout->addSpacing(8);
    BitBtn1 = new QPushButton(QStringLiteral("Dziękuje ! Autor..."), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setDefault(true);
    layout->addWidget(BitBtn1, 0, Qt::AlignHCenter);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm13::BitBtn1Click);
}

void TForm13::BitBtn1Click() { accept(); }

void TForm13::showEvent(QShowEvent* event)
{
    tallox::centreOnScreen(*this);
    QDialog::showEvent(event);
}
