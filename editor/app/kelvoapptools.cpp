// The main window's tools: each acts on the active window, when it is of the kind the tool
// serves, and tells in the status line what it did.
#include "kelvoapp.h"

#include "kelvoappviewerwidget.h"
#include "kelvodatamanagewidget.h"
#include "kelvohtmlgenerator.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimggrabber.h"
#include "kelvoimginputdlg.h"
#include "kelvomsgdlg.h"
#include "kelvotexttypedlg.h"
#include "kelvoworkspace.h"

#include <QAction>
#include <QStatusBar>

void KelvoApp::selectRect() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->setSelectionMode(KelvoImgSelectionWidget::RectangleMode);
    }
}

void KelvoApp::selectPoly() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->setSelectionMode(KelvoImgSelectionWidget::FreehandMode);
    }
}

KelvoImgEncodeWidget* KelvoApp::encoderWithFreeSelection() {
    KelvoImgEncodeWidget* encoder = activeEncoder();
    if (encoder && !encoder->selectionFree()) {
        int answer = 0;
        showMessage(answer, this, tr("Kelvo - Message"), tr("Selected regions should not overlap."),
                    tr("OK"));
        return nullptr;
    }
    return encoder;
}

void KelvoApp::reportAttached(KelvoImgEncodeWidget* encoder, size_t regionsBefore) {
    if (encoder->regions().size() > regionsBefore) {
        showStatus(tr("Region added with its data."));
    } else if (encoder->hasData()) {
        showStatus(tr("Data attached to the region."));
    }
}

void KelvoApp::insertTInfo() {
    KelvoImgEncodeWidget* encoder = encoderWithFreeSelection();
    if (!encoder) {
        return;
    }
    int kind = 0;
    if (!chooseTextType(this, kind)) {
        return;
    }
    const size_t regionsBefore = encoder->regions().size();
    if (kind != 0) {
        encoder->attacher().insertShapedText(KelvoTextPictures::TextType(kind));
        reportAttached(encoder, regionsBefore);
        return;
    }
    QString text;
    if (enterUnformattedText(text, this) && !text.isEmpty()) {
        encoder->attacher().attachText(text);
        reportAttached(encoder, regionsBefore);
    }
}

void KelvoApp::insertDictEntry() {
    // A dictionary entry covers its region as a text does.
    KelvoImgEncodeWidget* encoder = encoderWithFreeSelection();
    if (!encoder) {
        return;
    }
    const size_t regionsBefore = encoder->regions().size();
    if (encoder->attacher().createDictEntry()) {
        reportAttached(encoder, regionsBefore);
    }
}

void KelvoApp::insertBInfo() {
    if (activeEncoder()) {
        imageGrabber()->show();
        imageGrabber()->activateWindow();
        imageGrabber()->raise();
    }
}

void KelvoApp::insertGrabbedImage(const QImage& picture, const QPolygon& outline) {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        const size_t regionsBefore = encoder->regions().size();
        encoder->attacher().attachImage(picture, outline);
        reportAttached(encoder, regionsBefore);
    }
}

void KelvoApp::buildImg() {
    if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
        encoder->generateCodedImage();
    }
}

void KelvoApp::erase() {
    if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewer->eraseData();
    }
}

void KelvoApp::showOutlines() {
    if (KelvoAppViewerWidget* viewer = activeViewer()) {
        viewer->setOutlinesShown(action(KelvoAction::ShowOutlines)->isChecked());
    }
}

void KelvoApp::showDataManager(bool on) {
    if (on) {
        if (KelvoImgEncodeWidget* encoder = activeEncoder()) {
            // In the workspace's top-right corner, clear of the menus and the picture's start.
            QWidget* manager = encoder->dataManager();
            manager->move(workspace()->mapToGlobal(
                QPoint(workspace()->width() - manager->frameGeometry().width() - 8, 8)));
            manager->show();
        }
        return;
    }
    for (KelvoImgEncodeWidget* encoder : workspace()->findChildren<KelvoImgEncodeWidget*>()) {
        encoder->dataManager()->hide();
    }
}

void KelvoApp::generateHtml() {
    const KelvoImgWidget* window = activeImageWindow();
    if (!window || !window->hasPicture()) {
        return;
    }
    htmlGenerator()->setPicture(window->fileName(), window->picture().width(),
                                window->picture().height());
    htmlGenerator()->show();
    htmlGenerator()->raise();
}
