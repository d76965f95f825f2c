#include "app/TextFileDialog.h"

#include "common/TextFile.h"
#include "tallox_version.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>

TextFileDialog::TextFileDialog(const QString& caption, const QString& path, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(caption);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label1->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label1->setContentsMargins(12, 0, 12, 12);

    // Every line of the file goes on a line of its own, after a line break, so the text starts
    // one line down from the top of the dialog.
    QString text;
    for (const QString& line : tallox::readTextLines(path))
        text += u'\n' + line;
    Label1->setText(text);

    auto* scroll = new QScrollArea(this);
    scroll->setWidget(Label1);
    scroll->setWidgetResizable(true);
    scroll->setBackgroundRole(QPalette::Base);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll);
    layout->addWidget(buttons);
    resize(620, 460);
}

TForm3::TForm3(const QString& programFolder, QWidget* parent)
    : TextFileDialog(QStringLiteral("  Historia Programu Tallox PL " TALLOX_VERSION_SHORT),
                     programFolder + QStringLiteral("/Tallox_Hist.txt"), parent)
{
    setObjectName(QStringLiteral("Form3"));
}

TForm4::TForm4(const QString& programFolder, QWidget* parent)
    : TextFileDialog(QStringLiteral("  Informacje o wersji programu"),
                     programFolder + QStringLiteral("/Tallox_Info.txt"), parent)
{
    setObjectName(QStringLiteral("Form4"));
}
