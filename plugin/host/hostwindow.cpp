#include "hostwindow.h"

#include <QCloseEvent>
#include <QVBoxLayout>

HostWindow::HostWindow(const QString& title, const QList<QSize>& embedSizes) {
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->setSpacing(kMargin);
    for (const QSize& size : embedSizes) {
        auto* container = new QWidget(this);
        container->setFixedSize(size);
        container->setAttribute(Qt::WA_NativeWindow);
        layout->addWidget(container, 0, Qt::AlignLeft | Qt::AlignTop);
        m_containers.append(container);
    }
    layout->addStretch(1);
}

void HostWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closing();
}
