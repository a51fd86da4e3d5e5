#include "kelvoappbase.h"

#include "kelvoappactions.h"
#include "kelvohelpbrowser.h"
#include "kelvohtmlgenerator.h"
#include "kelvoimggrabber.h"
#include "kelvoinfowidget.h"
#include "kelvopaths.h"

#include <QAction>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

KelvoAppBase::KelvoAppBase(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(tr("Kelvo - Pictorra"));
    setWindowIcon(kelvoIcon(QStringLiteral("kelvo")));
    m_helpBrowser = new KelvoHelpBrowser(this, KelvoHelpBrowser::homePage(),
                                         KelvoHelpBrowser::installedSearchPaths(),
                                         QStringLiteral("helpBrowser"));
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->geometry().width() < 701) {
        setGeometry(100, 50, 400, 300);
        m_helpBrowser->setGeometry(150, 30, 500, 450);
    } else {
        setGeometry(200, 150, 600, 400);
        m_helpBrowser->setGeometry(250, 130, 750, 550);
    }

    auto* box = new QFrame(this);
    box->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    m_workspace = new QMdiArea(box);
    m_workspace->setObjectName(QStringLiteral("workspace"));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(m_workspace);
    setCentralWidget(box);

    buildMenus();
    buildToolBar();

    QTimer::singleShot(kStartPictureMs, this, &KelvoAppBase::timerDone);
    m_startWidget = new KelvoInfoWidget(this, QStringLiteral("startWidget"));
    m_startWidget->showPicture(KelvoPaths::installPath(QStringLiteral("pixmaps/startImg.png")),
                               false);
    m_startWidget->show();
    m_aboutWidget = new KelvoInfoWidget(this, QStringLiteral("aboutWidget"));
    m_aboutWidget->showPicture(KelvoPaths::installPath(QStringLiteral("pixmaps/kelvoInfo.png")),
                               true);
    // Under the about picture's text, above its rule.
    auto* licence = new QLabel(tr("Kelvo is free software under the MIT licence."), m_aboutWidget);
    licence->setObjectName(QStringLiteral("licence"));
    licence->setGeometry(24, 188, 312, 22);
    m_aboutWidget->hide();

    m_imgGrabber = new KelvoImgGrabber(this);
    m_imgGrabber->hide();
    m_htmlGenerator = new KelvoHTMLGenerator(this);
    m_htmlGenerator->hide();
}

QAction* KelvoAppBase::tool(const QString& name) const {
    const auto it = m_tools.find(name);
    return it == m_tools.end() ? nullptr : it->second;
}

void KelvoAppBase::timerDone() {
    m_startWidget->hide();
}

void KelvoAppBase::about() {
    m_aboutWidget->show();
    m_aboutWidget->raise();
}

void KelvoAppBase::help() {
    m_helpBrowser->show();
    m_helpBrowser->raise();
    m_helpBrowser->activateWindow();
    m_helpBrowser->setFocus();
}

void KelvoAppBase::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    for (KelvoInfoWidget* info : {m_startWidget, m_aboutWidget}) {
        if (info) {
            info->move((width() - info->width()) / 2, (height() - info->height()) / 2);
        }
    }
}

void KelvoAppBase::releaseSelectionButtons() {
    for (const char* name : {"selectRect", "selectPoly"}) {
        tool(QLatin1String(name))->setChecked(false);
    }
}

QAction* KelvoAppBase::dictionaryItem(int item) const {
    for (QAction* action : m_dictionary->actions()) {
        if (action->data().toInt() == item && action->isCheckable()) {
            return action;
        }
    }
    return nullptr;
}
