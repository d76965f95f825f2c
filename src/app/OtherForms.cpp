#include "app/OtherForms.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
void setUp(QDialog& form, const char* name, const QString& caption, bool onTop)
{
    form.setObjectName(QLatin1String(name));
    form.setWindowTitle(caption);
    if (onTop)
        form.setWindowFlag(Qt::WindowStaysOnTopHint);
}
} // namespace

TForm14::TForm14(QWidget* parent) : QDialog(parent)
{
    setUp(*this, "Form14", QStringLiteral("Parametry Osi"), false);
    auto* pages = new QTabWidget(this);
    auto* xPage = new QWidget;
    auto* label = new QLabel(QStringLiteral("Tytuł osi rzednych"), xPage);
    XAxisTitle_Edit = new QLineEdit(QStringLiteral("Opis osi X-ów"), xPage);
    XAxisTitle_Edit->setObjectName(QStringLiteral("XAxisTitle_Edit"));
    auto* xLayout = new QVBoxLayout(xPage);
    xLayout->addWidget(label);
    xLayout->addWidget(XAxisTitle_Edit);
    xLayout->addStretch();
    pages->addTab(xPage, QStringLiteral("Oś rzędnych (X)"));
    pages->addTab(new QWidget, QStringLiteral("Oś odciętych (Y)"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages);
}

TForm15::TForm15(QWidget* parent) : QDialog(parent)
{
    setUp(*this, "Form15", QStringLiteral("Form15"), false);
    resize(320, 240);
}
