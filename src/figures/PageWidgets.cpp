#include "figures/PageWidgets.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>

namespace tallox {

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

QWidget* framedPanel(QWidget* parent, const char* name)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    return panel;
}

void showNotices(const std::vector<Message>& notices)
{
    for (const Message& notice : notices)
        showMessage(notice);
}

QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}

}  // namespace tallox
