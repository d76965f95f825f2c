#pragma once
// Small makers of the figure page's named controls: the name given is the control's objectName.
#include "common/Messages.h"

#include <QFont>
#include <QStringList>
#include <vector>

class QComboBox;
class QLabel;
class QWidget;

namespace tallox {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);
QComboBox* makeList(QWidget* parent, const char* name, const QStringList& items);
// A sunken frame around a group of inputs.
QWidget* framedPanel(QWidget* parent, const char* name);
QFont boldFont(QFont font);
// Shows notices as message boxes, in their order.
void showNotices(const std::vector<Message>& notices);

}  // namespace tallox
