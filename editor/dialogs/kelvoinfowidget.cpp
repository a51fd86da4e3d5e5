#include "kelvoinfowidget.h"

#include <QPalette>
#include <QPixmap>
#include <QPushButton>

KelvoInfoWidget::KelvoInfoWidget(QWidget* parent, const QString& name, Qt::WindowFlags flags)
    : QWidget(parent, flags) {
    setObjectName(name);
}

bool KelvoInfoWidget::showPicture(const QString& fileName, bool withOk) {
    QPixmap picture;
    if (!picture.load(fileName, "PNG")) {
        return false;
    }
    const int w = picture.width();
    const int h = picture.height();
    const QPoint topLeft = parentWidget() ? QPoint((parentWidget()->width() - w) / 2,
                                                   (parentWidget()->height() - h) / 2)
                                          : QPoint(0, 0);
    setGeometry(QRect(topLeft, picture.size()));
    QPalette palette = this->palette();
    palette.setBrush(QPalette::Window, picture);
    setPalette(palette);
    setAutoFillBackground(true);

    if (withOk) {
        if (!m_ok) {
            m_ok = new QPushButton(tr("OK"), this);
            connect(m_ok, &QPushButton::clicked, this, &QWidget::hide);
        }
        m_ok->setGeometry(w / 2 - 17, h - 30, 35, 25);
        m_ok->show();
    } else if (m_ok) {
        m_ok->hide();
    }
    return true;
}
