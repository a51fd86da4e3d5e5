// The look every editor dialog shares.
#pragma once

class QPushButton;
class QString;
class QWidget;

class KelvoDialogLook {
public:
    // Gives the dialog the editor's background colour, RGB (232, 227, 227).
    static void apply(QWidget* dialog);
    // A dialog push button ("OK", "Cancel" ...) of the fixed size 100 x 40.
    static QPushButton* button(const QString& text, const char* objectName, QWidget* parent);
};
