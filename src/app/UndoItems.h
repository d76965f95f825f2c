#pragma once
// The "Cofnij" and "Ponów" items of a menu, kept in step with the worksheet's undo stack.
class QAction;
class QUndoStack;

// Each item runs its command on the stack, is enabled only when there is a step for it and names
// that step: "Cofnij: wklejenie".
void attachUndoItems(QUndoStack& stack, QAction* undo, QAction* redo);
