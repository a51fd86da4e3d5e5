// The main window's Edit menu: Undo and Redo of the changes made in the workspace's active
// encoder window. Each encoder keeps its own undo stack; the menu follows the active one.
#pragma once

class QMainWindow;
class QMdiArea;

// Inserts "&Edit" after the first menu of `window`'s menu bar, its actions working on the
// undo stack of `workspace`'s active encoder.
void kelvoAddEditMenu(QMainWindow* window, QMdiArea* workspace);
