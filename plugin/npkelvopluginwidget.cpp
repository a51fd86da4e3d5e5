#include "npkelvopluginwidget.h"

#include "kelvonppluginviewerwidget.h"
#include "kelvopluginprogressbar.h"
#include "npkelvoplugininstance.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int kViewerRowStretch = 100;
constexpr int kStatusRowStretch = 1;

} // namespace

NPKelvoPluginWidget::NPKelvoPluginWidget(NPKelvoPluginInstance* instance)
    : PluginWindow(instance), m_instance(instance), m_grid(new QGridLayout(this)),
      m_viewer(new KelvoNPPluginViewerWidget(instance, this)), m_label1(new QLabel(this)),
      m_label2(new QLabel(this)), m_progressBar(new KelvoPluginProgressBar(this)) {
    // The browser decides the window's size: long status texts are cut, not making it wider.
    m_grid->setSizeConstraint(QLayout::SetNoConstraint);
    // The page's size belongs to the viewer alone once the picture is shown.
    m_grid->setContentsMargins(0, 0, 0, 0);
    m_grid->setSpacing(0);
    m_grid->addWidget(m_viewer, 0, 0, 1, 2);
    m_grid->addWidget(m_label1, 1, 0, 1, 2);
    m_grid->addWidget(m_label2, 2, 0);
    m_grid->addWidget(m_progressBar, 2, 1);
    m_grid->setRowStretch(0, kViewerRowStretch);
    m_grid->setRowStretch(1, kStatusRowStretch);
    m_grid->setRowStretch(2, kStatusRowStretch);
}

void NPKelvoPluginWidget::setMessage(const QString& text) {
    m_label1->setText(text);
}

void NPKelvoPluginWidget::showReceiving(const QString& url) {
    m_label1->setText(tr(" Kelvo plugin >> try loading: ") + url);
    m_label2->setText(tr(" Kelvo plugin >> receiving:  "));
}

void NPKelvoPluginWidget::advanceProgress(qint64 receivedBytes) {
    m_progress += kProgressStep;
    // Past the end the bar stays full while the size goes on counting.
    m_progressBar->setValue(std::min(m_progress, m_progressBar->maximum()));
    m_progressBar->setReceivedBytes(receivedBytes);
}

void NPKelvoPluginWidget::showLoaded() {
    m_label1->hide();
    m_label2->hide();
    m_progressBar->hide();
    m_grid->setRowStretch(1, 0);
    m_grid->setRowStretch(2, 0);
}

void NPKelvoPluginWidget::showError() {
    m_viewer->hide();
    m_progressBar->hide();
    m_grid->setRowStretch(0, kViewerRowStretch);
    m_grid->setRowStretch(1, 0);
    m_label2->setText(tr(" Kelvo plugin >> an error occured, while loading the image! "
                         "Propably the image link is broken."));
    m_error = true;
    if (m_instance->href())
        setCursor(Qt::PointingHandCursor);
    update();
}

void NPKelvoPluginWidget::paintEvent(QPaintEvent*) {
    if (!m_error)
        return;
    QPainter painter(this);
    const int inset = width() / 8;
    painter.drawText(QRect(inset, 0, width() - 2 * inset, height()),
                     Qt::AlignCenter | Qt::TextWordWrap, tr("An Error occured"));
}

void NPKelvoPluginWidget::enterEvent(QEnterEvent*) {
    if (const auto href = m_instance->href())
        m_instance->status(*href);
}

void NPKelvoPluginWidget::leaveEvent(QEvent*) {
    if (m_instance->href())
        m_instance->status(QString());
}

void NPKelvoPluginWidget::mousePressEvent(QMouseEvent*) {
    if (m_error && m_instance->href())
        m_instance->followLink();
}
