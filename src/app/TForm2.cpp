#include "app/TForm2.h"

#include "app/TForm1.h"
#include "app/TForm12.h"
#include "app/TextFileDialog.h"
#include "common/Dialogs.h"
#include "common/Links.h"
#include "common/WidgetHelpers.h"
#include "tallox_version.h"

#include <QLabel>
#include <QPushButton>

namespace {
QLabel* addText(QWidget* parent, const QString& text, int x, int y, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
    label->adjustSize();
    label->move(x, y);
    return label;
}

// A label that opens its address through the shell when clicked.
QLabel* addLink(QWidget* parent, const char* name, const QString& shown, const QString& target,
                int x, int y)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(),
                                                                 shown.toHtmlEscaped()));
    label->setToolTip(target);
    label->setCursor(Qt::PointingHandCursor);
    QObject::connect(label, &QLabel::linkActivated, label,
                     [](const QString& link) { tallox::openExternal(link); });
    label->adjustSize();
    label->move(x, y);
    return label;
}
} // namespace

TForm2::TForm2(TForm1& main, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint),
      main_(main)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("  Informacje o Programie Tallox PL " TALLOX_VERSION_SHORT));
    setFixedSize(540, 360);

    QFont title(QStringLiteral("DejaVu Serif"));
    title.setPixelSize(30);
    title.setBold(true);
    tallox::addShadowTitle(this, QStringLiteral("Tallox PL " TALLOX_VERSION_SHORT), title,
                           QColor(0, 128, 128), 24, 14);
    addText(this, QStringLiteral("Program do opracowania wyników pomiarów w Pracowni Fizycznej"),
            24, 64, true);
    addText(this, QStringLiteral("Pracownia Fizyczna, Wydział Fizyki"), 24, 92);
    addText(this, QStringLiteral("Sprawy programu:"), 24, 128);
    addLink(this, "programMailLink", tallox::links::kProgramMail,
            tallox::links::mailLink(tallox::links::kProgramMail), 160, 128);
    addText(this, QStringLiteral("Autor:"), 24, 150);
    addLink(this, "authorMailLink", tallox::links::kAuthorMail,
            tallox::links::mailLink(tallox::links::kAuthorMail), 160, 150);
    addText(this, QStringLiteral("W sieci:"), 24, 186);
    addLink(this, "programPageLink", QStringLiteral("Strona programu"), tallox::links::kProgramPage,
            160, 186);
    addLink(this, "laboratoryPageLink", QStringLiteral("Strona Pracowni"),
            tallox::links::kLaboratoryPage, 160, 208);
    addLink(this, "facultyPageLink", QStringLiteral("Strona Wydziału"), tallox::links::kFacultyPage,
            160, 230);

    auto makeButton = [this](const char* name, const QString& text, int left, int width) {
        auto* button = new QPushButton(text, this);
        button->setObjectName(QLatin1String(name));
        button->setGeometry(left, 300, width, 32);
        return button;
    };
    Button1 = makeButton("Button1", QStringLiteral("Wersja kodowa"), 24, 140);
    CoNowego_BitBtn = makeButton("CoNowego_BitBtn", QStringLiteral("    Co nowego w programie"),
                                 176, 190);
    HistoriaProgramu_BitBtn =
        makeButton("HistoriaProgramu_BitBtn", QStringLiteral("Historia Programu"), 378, 140);
    connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(CoNowego_BitBtn, &QPushButton::clicked, this, &TForm2::CoNowego_BitBtnClick);
    connect(HistoriaProgramu_BitBtn, &QPushButton::clicked, this,
            &TForm2::HistoriaProgramu_BitBtnClick);
}

void TForm2::Button1Click()
{
    TForm12& start = *main_.Form12;
    start.reduceToContinueButton();
    tallox::execModal(start);
    start.raise();
}

void TForm2::CoNowego_BitBtnClick() { tallox::execModal(*main_.Form4); }

void TForm2::HistoriaProgramu_BitBtnClick() { tallox::execModal(*main_.Form3); }
