// The main window's Edit menu: Undo and Redo of the changes made in the workspace's active
// encoder window. Each encoder keeps its own undo stack; the menu follows the active one.
#pragma once

class QMainWindow;
class QMdiArea;

// Inserts "&Edit" after the first menu of `window`'s menu bar and returns the group of undo
// stacks that its actions work on.
void kelvoAddEditMenu(QMainWindow* window, QMdiArea* workspace);
