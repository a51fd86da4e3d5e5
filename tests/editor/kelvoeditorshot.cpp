// kelvo-editorshot: the editor's main window with an encoder window showing regions, text
// holders, a speech bubble and a grabbed image part, then with a viewer window of the coded
// result showing the balloon of the region under the pointer; saves a screenshot of each:
//
//   kelvo-editorshot PICTURE SNIPPET_PICTURE OUT_PREFIX
//
// writes OUT_PREFIX-encoder.png, OUT_PREFIX-overview.png (with the data manager) and
// OUT_PREFIX-viewer.png. Meant to run under a virtual X
// server (xvfb-run -a).
#include "encodertestsupport.h"
#include "kelvoapp.h"
#include "kelvoappviewerwidget.h"
#include "kelvocodedimagebuilder.h"
#include "kelvoimagewriter.h"
#include "kelvoimgencodewidget.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"

#include <QApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

bool shoot(QWidget* window, const QString& fileName) {
    QTest::qWait(400);
    return QGuiApplication::primaryScreen()
        ->grabWindow(0)
        // With room for tool windows beside the main window.
        .copy(window->frameGeometry().adjusted(-20, -40, 200, 40))
        .save(fileName);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList args = application.arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: kelvo-editorshot PICTURE SNIPPET_PICTURE OUT_PREFIX\n";
        return 2;
    }
    KelvoApp window;
    window.setGeometry(20, 40, 900, 620);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) || !window.openImage(args[1])) {
        return 1;
    }
    window.timerDone();
    KelvoImgEncodeWidget* encoder = window.activeEncoder();
    if (!encoder) {
        return 1;
    }
    const QRect textRegion(QPoint(10, 10), QPoint(110, 90));
    EncoderTest::dragRect(encoder, textRegion);
    encoder->attacher().attachText(QStringLiteral("A sunny day at the harbour"));
    EncoderTest::dragRect(encoder, QRect(QPoint(285, 35), QPoint(345, 175)));
    encoder->attacher().attachDictEntry(new KelvoTextHolderWidget(
        encoder, QStringLiteral("TextHolder"), QStringLiteral("lighthouse"),
        KelvoTextPictures::dictHolderIcon(), true));
    EncoderTest::dragRect(encoder, QRect(QPoint(100, 135), QPoint(195, 210)));
    encoder->attacher().insertShapedText(KelvoTextPictures::SpeechBubble);
    const QImage snippet(args[2]);
    encoder->attacher().attachImage(snippet, QPolygon(snippet.rect().adjusted(4, 4, -4, -4)));
    // The part starts in the middle of the window; the author drags it onto the sea.
    if (QWidget* part = encoder->findChild<QWidget*>(QStringLiteral("ImgSnip"))) {
        const QPoint target = encoder->offset() + QPoint(20, 215);
        QTest::mousePress(part, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(part, part->mapFromParent(target + QPoint(5, 5)));
        QTest::mouseRelease(part, Qt::LeftButton, {}, QPoint(5, 5));
    }
    EncoderTest::dragRect(encoder, QRect(QPoint(210, 200), QPoint(330, 270)));
    bool ok = shoot(&window, args[3] + QStringLiteral("-encoder.png"));
    window.action(KelvoAction::Overview)->trigger();
    ok = shoot(&window, args[3] + QStringLiteral("-overview.png")) && ok;
    window.action(KelvoAction::Overview)->trigger();

    QTemporaryDir dir;
    const QString coded = dir.filePath(QStringLiteral("harbour-coded.png"));
    QImage output;
    if (!encoder->generation().prepareItems() ||
        !KelvoCodedImageBuilder::generate(encoder->picture(), encoder->regions(), {}, true, 0,
                                          output) ||
        !writeImageExact(coded, output, "PNG") || !window.openImage(coded)) {
        return 1;
    }
    KelvoAppViewerWidget* viewer = window.activeViewer();
    QTest::qWait(200);
    QTest::mouseMove(viewer, viewer->offset() + textRegion.center());
    ok = shoot(&window, args[3] + QStringLiteral("-viewer.png")) && ok;
    return ok ? 0 : 1;
}
