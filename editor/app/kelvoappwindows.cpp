// The main window's workspace: opening pictures into viewer or encoder windows, turning a
// viewer into an encoder ("Add Data"), replacing windows, and keeping menus and tool bar in
// step with the active window.
#include "kelvoapp.h"
#include "kelvoappactions.h"
#include "kelvoappviewerwidget.h"
#include "kelvoimgencodewidget.h"

#include <QAbstractButton>
#include <QAction>
#include <QButtonGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>

QString KelvoApp::nextWindowName() const {
    return QStringLiteral("_IMG_WIDGET_%1").arg(m_windowCounter);
}

bool KelvoApp::openImage(const QString& fileName, KelvoImgWidget* source) {
    return openWindow(fileName, source, nullptr);
}

void KelvoApp::openImages(const QStringList& fileNames) {
    QStringList failures;
    for (const QString& fileName : fileNames) {
        QString failure;
        if (!openWindow(fileName, nullptr, &failure)) {
            failures << failure;
        }
    }
    if (!failures.isEmpty()) {
        KelvoImgWidget::warnNotLoaded(this, failures);
    }
}

bool KelvoApp::openWindow(const QString& fileName, KelvoImgWidget* source, QString* failure) {
    overviewAction()->setEnabled(false);
    if (workspace()->subWindowList().isEmpty()) {
        m_windowCounter = 0;
    }
    auto* viewer = new KelvoAppViewerWidget(nullptr, nextWindowName());
    if (source) {
        viewer->copyFrom(*source);
    } else {
        if (!viewer->loadImage(fileName, failure)) {
            delete viewer;
            return false;
        }
        viewer->setStatusCallback(statusCallback, this);
        viewer->setCloseCallback(closeCallback, this);
        viewer->setReplaceWindowCallback(replaceWindowCallback, this);
    }
    KelvoImgWidget* window = viewer;
    if (!viewer->hasCodedData()) {
        auto* encoder = new KelvoImgEncodeWidget(nullptr, nextWindowName());
        connectEncoder(encoder);
        encoder->copyFrom(*viewer);
        delete viewer;
        window = encoder;
        overviewAction()->setEnabled(true);
        addDataAction()->setEnabled(false);
    } else {
        connectViewer(viewer);
        addDataAction()->setEnabled(true);
    }
    ++m_windowCounter;
    addWindow(window);
    saveAsAction()->setEnabled(true);
    generateHtmlAction()->setEnabled(true);
    overviewAction()->setChecked(false);
    return true;
}

void KelvoApp::switchToEncoder() {
    KelvoAppViewerWidget* viewer = activeViewer();
    if (!viewer) {
        return;
    }
    auto* encoder = new KelvoImgEncodeWidget(nullptr, nextWindowName());
    ++m_windowCounter;
    encoder->copyFrom(*viewer);
    connectEncoder(encoder);
    // New regions are keyed after the highest key in use: after erasing one region the keys
    // in use are no longer 0 up to the count.
    const int firstKey = viewer->regions().empty() ? 0 : viewer->regions().rbegin()->first + 1;
    encoder->takeOverCodedImage(viewer->outlineImage(), viewer->idImage(), firstKey);
    discardWindow(viewer);
    addWindow(encoder);
    addDataAction()->setEnabled(false);
    QAction* outlines = tool(QStringLiteral("showOutlines"));
    outlines->setChecked(false);
    outlines->setEnabled(false);
    overviewAction()->setChecked(false);
}

void KelvoApp::addWindow(KelvoImgWidget* window) {
    QMdiSubWindow* sub = workspace()->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(window->fileName());
    connect(window, &KelvoImgWidget::saveRequested, this, &KelvoApp::saveWindow);
    sub->setWindowIcon(windowIcon());
    sub->showMaximized();
    workspace()->setActiveSubWindow(sub);
    windowActivated();
}

void KelvoApp::discardWindow(KelvoImgWidget* window) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub) {
        window->deleteLater();
        return;
    }
    // The call may come from the window's own handlers.
    sub->hide();
    workspace()->removeSubWindow(sub);
    sub->deleteLater();
}

void KelvoApp::connectEncoder(KelvoImgEncodeWidget* encoder) {
    connect(encoder, &KelvoImgEncodeWidget::stateChanged, this, &KelvoApp::encoderStateChanged);
    connect(encoder, &KelvoImgEncodeWidget::activated, this,
            [this, encoder](int mode, bool selectionClosed, bool hasData) {
                if (encoder == activeImageWindow()) {
                    encoderActivated(mode, selectionClosed, hasData);
                }
            });
}

void KelvoApp::connectViewer(KelvoAppViewerWidget* viewer) {
    viewer->setOutlinesStateCallback(outlinesStateCallback, this);
    viewer->setEraseStateCallback(eraseStateCallback, this);
    viewer->setViewerActivatedCallback(viewerActivatedCallback, this);
}

void KelvoApp::windowActivated() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoderActivated(encoder->selectionMode(), encoder->isSelectionClosed(),
                         encoder->hasData());
    } else if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewerActivated(viewer->eraseEnabled(), viewer->dictionaryAvailable(),
                        viewer->translation());
    }
}

void KelvoApp::encoderStateChanged(bool selectionClosed, bool hasData) {
    tool(QStringLiteral("insertTInfo"))->setEnabled(selectionClosed);
    tool(QStringLiteral("insertDictEntry"))->setEnabled(selectionClosed);
    tool(QStringLiteral("buildImg"))->setEnabled(hasData);
}

void KelvoApp::encoderActivated(int mode, bool selectionClosed, bool hasData) {
    saveAsAction()->setEnabled(true);
    dictionaryMenuAction()->setEnabled(false);
    tool(QStringLiteral("erase"))->setEnabled(false);
    encoderStateChanged(selectionClosed, hasData);
    generateHtmlAction()->setEnabled(true);
    overviewAction()->setEnabled(true);
    QAction* outlines = tool(QStringLiteral("showOutlines"));
    outlines->setChecked(false);
    outlines->setEnabled(false);
    QAction* rect = tool(QStringLiteral("selectRect"));
    QAction* poly = tool(QStringLiteral("selectPoly"));
    rect->setEnabled(true);
    poly->setEnabled(true);
    rect->setChecked(mode == KelvoImgSelectionWidget::RectangleMode);
    poly->setChecked(mode == KelvoImgSelectionWidget::FreehandMode);
    tool(QStringLiteral("insertBInfo"))->setEnabled(true);
}

void KelvoApp::viewerActivated(bool eraseEnabled, bool dictionaryAvailable,
                               const KelvoTranslationSettings& settings) {
    saveAsAction()->setEnabled(true);
    dictionaryMenuAction()->setEnabled(dictionaryAvailable);
    tool(QStringLiteral("erase"))->setEnabled(eraseEnabled);
    tool(QStringLiteral("insertTInfo"))->setEnabled(false);
    tool(QStringLiteral("insertDictEntry"))->setEnabled(false);
    if (dictionaryAvailable) {
        m_translation = settings;
        for (auto [group, index] : {std::pair{m_sourceGroup, settings.source},
                                    std::pair{m_targetGroup, settings.target}}) {
            if (QAbstractButton* button = group ? group->button(index) : nullptr) {
                button->setChecked(true);
            }
        }
        if (QAction* coded = dictionaryItem(3)) {
            coded->setChecked(settings.showCodedWord);
        }
        if (QAction* ambiguities = dictionaryItem(4)) {
            ambiguities->setChecked(settings.showAmbiguities);
        }
    }
    tool(QStringLiteral("buildImg"))->setEnabled(false);
    overviewAction()->setEnabled(false);
    generateHtmlAction()->setEnabled(true);
    tool(QStringLiteral("showOutlines"))->setEnabled(true);
    releaseSelectionButtons();
    tool(QStringLiteral("selectRect"))->setEnabled(false);
    tool(QStringLiteral("selectPoly"))->setEnabled(false);
    tool(QStringLiteral("insertBInfo"))->setEnabled(false);
}

void KelvoApp::windowClosed() {
    for (const KelvoToolButtonInfo& button : kelvoToolButtons()) {
        if (button.name) {
            tool(QLatin1String(button.name))->setEnabled(false);
        }
    }
    saveAsAction()->setEnabled(false);
    generateHtmlAction()->setEnabled(false);
    overviewAction()->setChecked(false);
    overviewAction()->setEnabled(false);
    dictionaryMenuAction()->setEnabled(false);
    releaseSelectionButtons();
}

void KelvoApp::statusCallback(void* context, const QString& text, int durationMs) {
    if (context) {
        static_cast<KelvoApp*>(context)->statusBar()->showMessage(text, std::max(durationMs, 0));
    }
}

void KelvoApp::closeCallback(void* context) {
    if (context) {
        static_cast<KelvoApp*>(context)->windowClosed();
    }
}

void KelvoApp::replaceWindowCallback(void* context, KelvoImgWidget* window,
                                     const QString& fileName) {
    if (!context) {
        return;
    }
    auto* app = static_cast<KelvoApp*>(context);
    if (app->m_exiting) {
        app->discardWindow(window);
        return;
    }
    // A saved picture that cannot be opened again leaves the window that holds its data.
    if (app->openImage(fileName, fileName.isEmpty() ? window : nullptr)) {
        app->discardWindow(window);
    }
}

void KelvoApp::outlinesStateCallback(void* context, bool enabled, bool on) {
    if (context) {
        QAction* outlines = static_cast<KelvoApp*>(context)->tool(QStringLiteral("showOutlines"));
        outlines->setEnabled(enabled);
        outlines->setChecked(on);
    }
}

void KelvoApp::eraseStateCallback(void* context, bool enabled) {
    if (context) {
        static_cast<KelvoApp*>(context)->tool(QStringLiteral("erase"))->setEnabled(enabled);
    }
}

void KelvoApp::viewerActivatedCallback(void* context, bool eraseEnabled, bool dictionaryAvailable,
                                       const KelvoTranslationSettings& settings) {
    if (context) {
        static_cast<KelvoApp*>(context)->viewerActivated(eraseEnabled, dictionaryAvailable,
                                                         settings);
    }
}
