// The look that the editor's dialogs share.
#pragma once

#include <QColor>
#include <QPalette>
#include <QWidget>

inline const QColor kelvoDialogBackground(232, 227, 227);

// Gives `widget` the editor dialogs' background colour.
inline void kelvoApplyDialogLook(QWidget* widget) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, kelvoDialogBackground);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}
