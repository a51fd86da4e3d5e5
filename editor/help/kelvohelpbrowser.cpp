#include "kelvohelpbrowser.h"

#include "kelvoconfig.h"
#include "kelvopaths.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

namespace {

// The style's home icon is a folder on some platforms; the help's home is a page.
QIcon homeIcon() {
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(60, 60, 60), 1.2));
    painter.setBrush(QColor(240, 230, 200));
    painter.drawRect(QRectF(5.5, 10.5, 11, 9));
    painter.setBrush(QColor(190, 70, 50));
    painter.drawPolygon(QPolygonF({QPointF(2.5, 11.5), QPointF(11, 3.5), QPointF(19.5, 11.5)}));
    painter.setBrush(QColor(120, 80, 40));
    painter.drawRect(QRectF(9.5, 14.5, 3, 5));
    return QIcon(pixmap);
}

} // namespace

QString KelvoHelpBrowser::homePage() {
    return QStringLiteral("helpIndex.html");
}

QStringList KelvoHelpBrowser::installedSearchPaths() {
    QStringList paths = {KelvoPaths::installPath(QString()),
                         KelvoPaths::installPath(QStringLiteral("help")),
                         KelvoPaths::installPath(QStringLiteral("help/pixs"))};
    // A regional language (de_AT) reads the pages of its language (de).
    const QString language = KelvoConfig::uiLanguage().section(QLatin1Char('_'), 0, 0);
    if (language != QLatin1String("en"))
        paths.prepend(KelvoPaths::installPath(QStringLiteral("help/") + language));
    return paths;
}

KelvoHelpBrowser::KelvoHelpBrowser(QWidget* parent, const QString& home,
                                   const QStringList& searchPaths, const QString& name)
    : QMainWindow(parent), m_browser(new QTextBrowser(this)) {
    setObjectName(name);
    setWindowTitle(tr("Kelvo - Help"));
    setCentralWidget(m_browser);
    m_browser->setSearchPaths(searchPaths);
    if (!home.isEmpty()) {
        m_browser->setSource(QUrl(home));
    }

    QToolBar* toolBar = addToolBar(tr("Toolbar"));
    toolBar->setObjectName(QStringLiteral("Toolbar"));
    m_backward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowBack), tr("Backward"),
                                    m_browser, &QTextBrowser::backward);
    m_forward = toolBar->addAction(style()->standardIcon(QStyle::SP_ArrowForward), tr("Forward"),
                                   m_browser, &QTextBrowser::forward);
    m_home = toolBar->addAction(homeIcon(), tr("Home"), m_browser, &QTextBrowser::home);
    m_backward->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    m_browser->setFocus();
}

void KelvoHelpBrowser::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
