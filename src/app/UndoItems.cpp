#include "app/UndoItems.h"

#include <QAction>
#include <QUndoStack>

void attachUndoItems(QUndoStack& stack, QAction* undo, QAction* redo)
{
    auto caption = [](const QString& command, const QString& step) {
        return step.isEmpty() ? command : command + QStringLiteral(": ") + step;
    };
    auto update = [&stack, undo, redo, caption] {
        undo->setEnabled(stack.canUndo());
        undo->setText(caption(QStringLiteral("Cofnij"), stack.canUndo() ? stack.undoText() : QString()));
        redo->setEnabled(stack.canRedo());
        redo->setText(caption(QStringLiteral("Ponów"), stack.canRedo() ? stack.redoText() : QString()));
    };
    QObject::connect(&stack, &QUndoStack::indexChanged, undo, update);
    QObject::connect(&stack, &QUndoStack::canUndoChanged, undo, update);
    QObject::connect(&stack, &QUndoStack::canRedoChanged, undo, update);
    QObject::connect(undo, &QAction::triggered, &stack, &QUndoStack::undo);
    QObject::connect(redo, &QAction::triggered, &stack, &QUndoStack::redo);
    update();
}
