#include "kelvohelpbrowser.h"

#include "kelvopaths.h"

#include <QAction>
#include <QStyle>
#include <QTextBrowser>
#include <QToolBar>

QString KelvoHelpBrowser::homePage() {
    return QStringLiteral("help/helpIndex.html");
}

QStringList KelvoHelpBrowser::installedSearchPaths() {
    return {KelvoPaths::installPath(QString()), KelvoPaths::installPath(QStringLiteral("help")),
            KelvoPaths::installPath(QStringLiteral("help/pixs"))};
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
    m_home = toolBar->addAction(style()->standardIcon(QStyle::SP_DirHomeIcon), tr("Home"),
                                m_browser, &QTextBrowser::home);
    m_backward->setEnabled(false);
    m_forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_backward, &QAction::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QAction::setEnabled);

    m_browser->setFocus();
}
