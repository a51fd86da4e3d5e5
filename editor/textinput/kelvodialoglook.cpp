#include "kelvodialoglook.h"

#include <QPalette>
#include <QPushButton>

void KelvoDialogLook::apply(QWidget* dialog) {
    QPalette palette = dialog->palette();
    palette.setColor(QPalette::Window, QColor(232, 227, 227));
    dialog->setPalette(palette);
    dialog->setAutoFillBackground(true);
}

QPushButton* KelvoDialogLook::button(const QString& text, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(objectName));
    button->setFixedSize(100, 40);
    return button;
}
