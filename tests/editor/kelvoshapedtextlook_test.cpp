// What the author sees is what the reader sees: each kind of shaped text, rendered in the
// editor over a picture, against the viewer's shaped text built from its coded record over the
// same picture. Only the editor's handles and frames may differ.
#include "kelvobubble.h"
#include "kelvobutton.h"
#include "kelvocomicellipseshape.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvotextshapes.h"
#include "kelvoviewersimplebubble.h"
#include "kelvoviewerspeechbubble.h"
#include "kelvoviewerthinkbubble.h"
#include "kelvoviewerwidget.h"
#include "shapedtexttestsupport.h"

#include <QtTest>

#include <functional>

using namespace ShapedTextTest;

namespace {

constexpr QSize PictureSize(320, 260);
const QPoint At(40, 30);

QImage rgb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// The viewer's shaped text for a record of one block, placed as the viewer places it.
KelvoViewerShapedText* viewerShape(KelvoViewerWidget* viewer, const std::vector<uint8_t>& bytes) {
    const std::vector<KelvoTextShapes> blocks = kelvoSplitTextShapes(bytes);
    if (blocks.size() != 1) {
        return nullptr;
    }
    const KelvoTextShapes& block = blocks.front();
    KelvoComicEllipseShape shape;
    if (!shape.read(block.bytes.data(), block.bytes.size())) {
        return nullptr;
    }
    const KelvoComicEllipseObj& object = *shape.comicObjects.front();
    KelvoViewerShapedText* shaped = nullptr;
    if (object.kind == KindSpeechBubble) {
        shaped = new KelvoViewerSpeechBubble(viewer, QString(), object);
    } else if (object.kind == KindThinkBubble) {
        shaped = new KelvoViewerThinkBubble(viewer, QString(), object);
    } else {
        shaped = new KelvoViewerSimpleBubble(viewer, QString(), object, object.kind);
    }
    shaped->move(object.x, object.y);
    shaped->show();
    return shaped;
}

void drag(QWidget* widget, QPoint from, QPoint to) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, (from + to) / 2);
    QTest::mouseMove(widget, to);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
}

using Reshape = std::function<void(KelvoEditorShapedText&)>;

} // namespace

Q_DECLARE_METATYPE(Reshape)

class KelvoShapedTextLookTest : public QObject {
    Q_OBJECT
private slots:
    void editorShowsWhatTheViewerShows_data();
    void editorShowsWhatTheViewerShows();
};

void KelvoShapedTextLookTest::editorShowsWhatTheViewerShows_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<Reshape>("reshape");
    const Reshape none = [](KelvoEditorShapedText&) {};
    const Reshape growBody = [](KelvoEditorShapedText& shaped) {
        auto* body = shaped.findChild<KelvoBubble*>(QStringLiteral("MainBubble"));
        KelvoButton* handle = body->handle();
        drag(handle, QPoint(4, 4), QPoint(34, 24));
    };
    for (const int kind : {1, 2, 4}) {
        const QByteArray name = QByteArray::number(kind);
        QTest::newRow(name + " filled") << kind << true << none;
        QTest::newRow(name + " transparent") << kind << false << none;
        QTest::newRow(name + " grown") << kind << true << growBody;
    }
    QTest::newRow("speech") << 3 << true << none;
    QTest::newRow("speech, peak moved left and up")
        << 3 << true << Reshape([](KelvoEditorShapedText& shaped) {
               auto& speech = static_cast<KelvoEditorSpeechBubble&>(shaped);
               drag(speech.peakHandle(), QPoint(6, 6), QPoint(-50, -100));
           });
    QTest::newRow("speech, body grown") << 3 << true << Reshape([](KelvoEditorShapedText& shaped) {
        auto& speech = static_cast<KelvoEditorSpeechBubble&>(shaped);
        drag(speech.boxHandle(), QPoint(4, 4), QPoint(44, 30));
    });
    QTest::newRow("think, circle moved") << 4 << true << Reshape([](KelvoEditorShapedText& shaped) {
        auto& think = static_cast<KelvoEditorThinkBubble&>(shaped);
        drag(think.circles().front(), QPoint(8, 8), QPoint(60, 20));
    });
}

void KelvoShapedTextLookTest::editorShowsWhatTheViewerShows() {
    QFETCH(int, kind);
    QFETCH(bool, filled);
    QFETCH(Reshape, reshape);
    const QImage picture = testPicture(PictureSize);

    PictureWidget editorPicture(picture);
    KelvoEditorShapedText* shaped = makeShapedText(&editorPicture, kind);
    shaped->move(At);
    editorPicture.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editorPicture));
    TheS_BubbleData look = unusualLook();
    look.backgroundFilled = filled;
    applyThroughEditor(*shaped, look);
    reshape(*shaped);
    const QImage edited = rgb(editorPicture.grab());

    KelvoViewerWidget viewer;
    viewer.setImage(picture);
    viewer.resize(PictureSize);
    const std::vector<uint8_t> bytes = shaped->codedBytes(QPoint(0, 0));
    QVERIFY(!bytes.empty());
    QVERIFY(viewerShape(&viewer, bytes));
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    const QImage viewed = rgb(viewer.grab(QRect(QPoint(0, 0), PictureSize)));

    const QRegion marks = shaped->editorMarks().translated(shaped->pos());
    QImage difference(PictureSize, QImage::Format_RGB32);
    difference.fill(Qt::white);
    int differing = 0;
    QPoint first(-1, -1);
    for (int y = 0; y < PictureSize.height(); ++y) {
        for (int x = 0; x < PictureSize.width(); ++x) {
            if (marks.contains(QPoint(x, y))) {
                difference.setPixel(x, y, qRgb(200, 200, 255));
            } else if (edited.pixel(x, y) != viewed.pixel(x, y)) {
                difference.setPixel(x, y, qRgb(255, 0, 0));
                if (differing++ == 0) {
                    first = QPoint(x, y);
                }
            }
        }
    }
    const QString shots = qEnvironmentVariable("KELVO_SHOT_DIR");
    if (differing > 0 || !shots.isEmpty()) {
        const QString base =
            (shots.isEmpty() ? QDir::tempPath() : shots) + QStringLiteral("/kelvo-look-") +
            QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_').remove(u',');
        edited.save(base + QStringLiteral("-editor.png"));
        viewed.save(base + QStringLiteral("-viewer.png"));
        difference.save(base + QStringLiteral("-difference.png"));
    }
    QVERIFY2(differing == 0, qPrintable(QStringLiteral("%1 pixels differ, the first at (%2, %3)")
                                            .arg(differing)
                                            .arg(first.x())
                                            .arg(first.y())));
}

QTEST_MAIN(KelvoShapedTextLookTest)
#include "kelvoshapedtextlook_test.moc"
