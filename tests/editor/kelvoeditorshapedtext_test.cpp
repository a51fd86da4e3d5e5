// The editor's shaped texts with real pointer events over a plain picture: dragging the whole
// and its parts, the context menu, the text editor's callbacks, the records they code with the
// limits beyond which a record would not read back the same, and the look against the viewer's
// shaped text built from that record.
#include "kelvobubble.h"
#include "kelvobubbletext.h"
#include "kelvobutton.h"
#include "kelvocomicellipseshape.h"
#include "kelvodataprocessor.h"
#include "kelvodialogscript.h"
#include "kelvoeditorsimplebubble.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvoshapedtextlimits.h"
#include "kelvospeechbubblegeometry.h"
#include "kelvotexteditor.h"
#include "kelvotextshapes.h"
#include "kelvoviewersimplebubble.h"
#include "kelvoviewerspeechbubble.h"
#include "kelvoviewerthinkbubble.h"
#include "kelvoviewerwidget.h"
#include <QMenu>

#include <QPainter>
#include <QtTest>

#include <cmath>
#include <functional>
#include <memory>
#include <tuple>

namespace {

constexpr QSize PictureSize(400, 300);
const QPoint At(60, 40);

// A widget that shows a picture with a colour gradient at its top-left, as the encoder window
// does, so that misplaced copies of it show.
class PictureWidget : public QWidget {
public:
    PictureWidget() : m_picture(PictureSize, QImage::Format_RGB32) {
        for (int y = 0; y < PictureSize.height(); ++y) {
            for (int x = 0; x < PictureSize.width(); ++x) {
                m_picture.setPixel(
                    x, y, qRgb(x * 255 / PictureSize.width(), y * 255 / PictureSize.height(), 128));
            }
        }
        resize(PictureSize);
    }
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).drawImage(0, 0, m_picture); }

private:
    QImage m_picture;
};

// The picture with one shaped text of `kind` (1 rectangle, 2 ellipse, 3 speech, 4 think bubble)
// at `At` on it, shown.
struct Scene {
    explicit Scene(int kind) {
        if (kind == KindSpeechBubble) {
            shaped = new KelvoEditorSpeechBubble(&picture, QStringLiteral("shaped"));
        } else if (kind == KindThinkBubble) {
            shaped = new KelvoEditorThinkBubble(&picture, QStringLiteral("shaped"));
        } else {
            shaped = new KelvoEditorSimpleBubble(&picture, QStringLiteral("shaped"), kind);
        }
        shaped->move(At);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
    }
    // A point of the body that is neither label nor handle, in the shaped text's coordinates.
    QPoint bodyPoint() const { return QPoint(20, 35); }
    QWidget* bodyAt() const {
        QWidget* target = shaped->childAt(bodyPoint());
        return target ? target : shaped;
    }
    template <class T> T* as() const { return static_cast<T*>(shaped); }

    PictureWidget picture;
    KelvoEditorShapedText* shaped = nullptr;
};

// A look that differs from the defaults everywhere: font, colours, alignment, contour width.
TheS_BubbleData unusualLook() {
    TheS_BubbleData props;
    props.textData.text = QStringLiteral("Unusual look,\nright aligned");
    props.textData.font = QFont(QStringLiteral("Courier"), 11, QFont::Bold, true);
    props.textData.textColour = QColor(20, 90, 200);
    props.textData.alignmentFlags = Qt::TextWordWrap | Qt::AlignRight;
    props.backgroundColour = QColor(255, 240, 160);
    props.outlineColour = QColor(180, 30, 40);
    props.outlineWidth = 3;
    props.backgroundFilled = true;
    return props;
}

// Gives `props` to the shaped text through its text properties editor, pressing OK.
void applyThroughEditor(KelvoEditorShapedText& shapedText, const TheS_BubbleData& props) {
    shapedText.textEditor()->loadProps(props);
    shapedText.textEditor()->show();
    KelvoDialogScript::clickLabelled(shapedText.textEditor(), QStringLiteral("OK"));
}

// Presses the left button on `widget` at `from`, moves by `by` in one step and releases it.
void drag(QWidget* widget, QPoint from, QPoint by) {
    QTest::mousePress(widget, Qt::LeftButton, {}, from);
    QTest::mouseMove(widget, from + by);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, from + by);
}

KelvoComicEllipseObj readBack(const std::vector<uint8_t>& bytes) {
    const std::vector<KelvoTextShapes> blocks = kelvoSplitTextShapes(bytes);
    KelvoComicEllipseShape shape;
    if (blocks.size() != 1 || !shape.read(blocks[0].bytes.data(), blocks[0].bytes.size()) ||
        shape.comicObjects.size() != 1) {
        return {};
    }
    return *shape.comicObjects.front();
}

std::vector<uint8_t> serializedBlock(const KelvoComicEllipseObj& object) {
    KelvoComicEllipseShape shape;
    shape.comicObjects.push_back(std::make_unique<KelvoComicEllipseObj>(object));
    shape.serialize();
    return shape.bytes;
}

// The viewer's shaped text for `object`, placed as the viewer places it.
void showInViewer(KelvoViewerWidget* viewer, const KelvoComicEllipseObj& object) {
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
}

QImage rgb(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

double angleFrom(double angle, double reference) {
    return std::fmod(angle - reference + 720, 360);
}

using Reshape = std::function<void(KelvoEditorShapedText&)>;

} // namespace

Q_DECLARE_METATYPE(Reshape)

class KelvoEditorShapedTextTest : public QObject {
    Q_OBJECT
private slots:
    void dragWhole_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QPoint>("moved");
        for (const int kind : {1, 2, 3, 4}) {
            const QByteArray name = QByteArray::number(kind);
            QTest::newRow(name + " a little") << kind << QPoint(25, -12) << QPoint(25, -12);
            // The pressed point stays on the picture (400 x 300).
            QTest::newRow(name + " off the picture")
                << kind << QPoint(-500, 900) << QPoint(-(At.x() + 20), 299 - (At.y() + 35));
        }
    }

    void dragWhole() {
        QFETCH(int, kind);
        QFETCH(QPoint, by);
        QFETCH(QPoint, moved);
        Scene scene(kind);
        QWidget* target = scene.bodyAt();
        QVERIFY(target == scene.shaped || qobject_cast<KelvoBubble*>(target));
        const QPoint from = target->mapFrom(scene.shaped, scene.bodyPoint());
        QTest::mousePress(target, Qt::LeftButton, {}, from);
        // The target moves under the pointer: each position is given on the picture.
        const QPoint onPicture = At + scene.bodyPoint();
        for (const QPoint to : {onPicture + by / 2, onPicture + by}) {
            QTest::mouseMove(target, target->mapFrom(&scene.picture, to));
        }
        QTest::mouseRelease(target, Qt::LeftButton, {},
                            target->mapFrom(&scene.picture, onPicture + by));
        QCOMPARE(scene.shaped->pos(), At + moved);
        QVERIFY(!scene.shaped->shapeMask().isEmpty());
    }

    // The body opens the menu; the label and the thought circles do not.
    void contextMenu_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("part");
        QTest::addColumn<bool>("opens");
        for (const int kind : {1, 2, 3, 4}) {
            QTest::newRow(QByteArray::number(kind) + " body") << kind << QString() << true;
            QTest::newRow(QByteArray::number(kind) + " label")
                << kind << QStringLiteral("BubbleText") << false;
        }
        QTest::newRow("thought circle") << 4 << QStringLiteral("SubBubble2") << false;
    }

    void contextMenu() {
        QFETCH(int, kind);
        QFETCH(QString, part);
        QFETCH(bool, opens);
        Scene scene(kind);
        QWidget* target = part.isEmpty() ? scene.bodyAt() : scene.shaped->findChild<QWidget*>(part);
        QVERIFY(target);
        const QPoint at = part.isEmpty() ? target->mapFrom(scene.shaped, scene.bodyPoint())
                                         : QPoint(target->width() / 2, target->height() / 2 + 2);
        QTest::mousePress(target, Qt::RightButton, {}, at);
        QCOMPARE(scene.shaped->contextMenu()->isVisible(), opens);
        if (opens) {
            QCOMPARE(scene.shaped->contextMenu()->pos(), target->mapToGlobal(at));
        }
        scene.shaped->contextMenu()->hide();
    }

    // The menu's first entry opens the text editor. Preview shows a look and keeps the editor open;
    // Cancel brings back the last accepted look exactly and OK accepts the previewed one, both
    // closing the editor. The other entries centre the label and remove the shaped text with its
    // editor.
    void menuEntriesAndTextEditor() {
        for (const int kind : {1, 2, 3, 4}) {
            Scene scene(kind);
            KelvoEditorShapedText* shaped = scene.shaped;
            KelvoTextEditor* editor = shaped->textEditor();
            const QList<QAction*> entries = shaped->contextMenu()->actions();
            const QImage before = scene.picture.grab().toImage();
            const TheS_BubbleData original = shaped->currentProps();
            entries[0]->trigger();
            QVERIFY(editor->isVisible());
            QCOMPARE(editor->props().textData.text, original.textData.text);
            editor->loadProps(unusualLook());
            KelvoDialogScript::clickLabelled(editor, QStringLiteral("Preview"));
            QVERIFY(editor->isVisible());
            const TheS_BubbleData look = editor->props();
            QVERIFY(shaped->currentProps() == look);
            QVERIFY(shaped->acceptedProps() == original);
            QCOMPARE(shaped->label()->textProperties().text, look.textData.text);
            QVERIFY(scene.picture.grab().toImage() != before);
            KelvoDialogScript::clickLabelled(editor, QStringLiteral("Cancel"));
            QVERIFY(!editor->isVisible());
            QVERIFY(shaped->currentProps() == original);
            QCOMPARE(scene.picture.grab().toImage(), before);
            applyThroughEditor(*shaped, unusualLook());
            QVERIFY(!editor->isVisible());
            QVERIFY(shaped->acceptedProps() == look);
            QVERIFY(shaped->currentProps() == look);

            const QPoint centred = shaped->label()->pos();
            shaped->label()->move(3, 4);
            entries[1]->trigger();
            QCOMPARE(shaped->label()->pos(), centred);
            editor->show();
            KelvoEditorShapedText* removed = nullptr;
            connect(shaped, &KelvoEditorShapedText::removeRequested, this,
                    [&](KelvoEditorShapedText* s) { removed = s; });
            entries[2]->trigger();
            QCOMPARE(removed, shaped);
            QVERIFY(!editor->isVisible());
        }
    }

    void recordLimits_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QPoint>("shift");
        QTest::addColumn<int>("pointSize");
        QTest::addColumn<int>("textLength");
        QTest::addColumn<bool>("coded");
        const int limit = KelvoShapedTextLimits::maxCoordinate();
        // A rectangle's block is 57 bytes and its text.
        const int longest = int(KelvoShapedTextLimits::maxRecordLength()) - 57;
        QTest::newRow("x at the limit") << 1 << QPoint(limit, 0) << 12 << 4 << true;
        QTest::newRow("x past the limit") << 1 << QPoint(limit + 1, 0) << 12 << 4 << false;
        QTest::newRow("y at the negative limit") << 2 << QPoint(0, -limit) << 12 << 4 << true;
        QTest::newRow("y past the negative limit")
            << 2 << QPoint(0, -limit - 1) << 12 << 4 << false;
        QTest::newRow("peak at the limit") << 3 << QPoint(limit, limit) << 12 << 4 << true;
        QTest::newRow("peak past the limit") << 3 << QPoint(limit + 1, 0) << 12 << 4 << false;
        QTest::newRow("circle at the limit") << 4 << QPoint(limit - 20, 0) << 12 << 4 << true;
        QTest::newRow("circle past the limit") << 4 << QPoint(limit - 19, 0) << 12 << 4 << false;
        QTest::newRow("1 point") << 1 << QPoint() << 1 << 4 << true;
        QTest::newRow("255 points") << 1 << QPoint() << 255 << 4 << true;
        QTest::newRow("256 points") << 1 << QPoint() << 256 << 4 << false;
        QTest::newRow("longest text") << 1 << QPoint() << 12 << longest << true;
        QTest::newRow("text one too long") << 1 << QPoint() << 12 << longest + 1 << false;
    }

    // Exactly what fits is coded, and reads back from a region's record stream; one more is
    // refused.
    void recordLimits() {
        QFETCH(int, kind);
        QFETCH(QPoint, shift);
        QFETCH(int, pointSize);
        QFETCH(int, textLength);
        QFETCH(bool, coded);
        KelvoComicEllipseObj object;
        object.kind = uint8_t(kind);
        object.right = 149;
        object.bottom = 69;
        object.font.pointSize = pointSize;
        object.text = std::u16string(std::size_t(textLength), u'x');
        if (kind == KindSpeechBubble) {
            object.peakX = shift.x();
            object.peakY = shift.y();
        } else if (kind == KindThinkBubble) {
            // The circle reaches 20 pixels beyond its position.
            object.circles = {{shift.x(), shift.y(), 20, 18}};
        } else {
            object.x = shift.x();
            object.y = shift.y();
        }
        const std::vector<uint8_t> block = serializedBlock(object);
        QCOMPARE(KelvoShapedTextLimits::codingError(object, block.size()).isEmpty(), coded);
        if (textLength > 4) {
            KelvoData record;
            record.type = TypeShapedText;
            record.payload = block;
            std::vector<uint8_t> stream;
            KelvoDataProcessor().serializeRecords({record}, stream);
            QCOMPARE(!stream.empty(), coded);
        }
    }

    void editorShowsWhatTheViewerShows_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("filled");
        QTest::addColumn<Reshape>("reshape");
        const Reshape none = [](KelvoEditorShapedText&) {};
        const Reshape growBody = [](KelvoEditorShapedText& shaped) {
            auto* body = shaped.findChild<KelvoBubble*>(QStringLiteral("MainBubble"));
            drag(body->handle(), QPoint(4, 4), QPoint(30, 20));
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
                   drag(speech.peakHandle(), QPoint(6, 6), QPoint(-56, -106));
               });
        QTest::newRow("speech, body grown")
            << 3 << true << Reshape([](KelvoEditorShapedText& shaped) {
                   auto& speech = static_cast<KelvoEditorSpeechBubble&>(shaped);
                   drag(speech.boxHandle(), QPoint(4, 4), QPoint(40, 26));
               });
        QTest::newRow("think, circle moved")
            << 4 << true << Reshape([](KelvoEditorShapedText& shaped) {
                   auto& think = static_cast<KelvoEditorThinkBubble&>(shaped);
                   drag(think.circles().front(), QPoint(8, 8), QPoint(52, 12));
               });
    }

    // What the author sees is what the reader sees: only the editor's handles and frames may
    // differ. The look covers every value the viewer draws from the record, the thought circles'
    // places and sizes too.
    void editorShowsWhatTheViewerShows() {
        QFETCH(int, kind);
        QFETCH(bool, filled);
        QFETCH(Reshape, reshape);
        Scene scene(kind);
        TheS_BubbleData look = unusualLook();
        look.backgroundFilled = filled;
        applyThroughEditor(*scene.shaped, look);
        reshape(*scene.shaped);
        const QImage edited = rgb(scene.picture.grab());

        KelvoViewerWidget viewer;
        viewer.setImage(scene.picture.picture());
        viewer.resize(PictureSize);
        const KelvoComicEllipseObj object = readBack(scene.shaped->codedBytes(QPoint(0, 0)));
        QCOMPARE(int(object.kind), kind);
        // The place is relative to the picture's origin; the weight and alignment codes are fixed
        // in the file whatever both sides draw from them.
        const KelvoComicEllipseObj shifted = readBack(scene.shaped->codedBytes(QPoint(10, 5)));
        QCOMPARE(QPoint(shifted.x, shifted.y), QPoint(object.x - 10, object.y - 5));
        QCOMPARE(shifted.font.weight, 75);
        QCOMPARE(shifted.alignment, 3);
        showInViewer(&viewer, object);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowExposed(&viewer));
        const QImage viewed = rgb(viewer.grab(QRect(QPoint(0, 0), PictureSize)));

        const QRegion marks = scene.shaped->editorMarks().translated(scene.shaped->pos());
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
        QVERIFY2(differing == 0,
                 qPrintable(QStringLiteral("%1 pixels differ, the first at (%2, %3)")
                                .arg(differing)
                                .arg(first.x())
                                .arg(first.y())));
    }

    void resizeByHandle_data() {
        QTest::addColumn<QPoint>("by");
        QTest::addColumn<QSize>("body");
        QTest::newRow("grow") << QPoint(30, 10) << QSize(180, 80);
        QTest::newRow("shrink") << QPoint(-100, -50) << QSize(50, 20);
        QTest::newRow("down to one pixel") << QPoint(-149, -69) << QSize(1, 1);
        QTest::newRow("past the top-left: unchanged") << QPoint(-150, -70) << QSize(150, 70);
        QTest::newRow("past the left only: unchanged") << QPoint(-160, 10) << QSize(150, 70);
        // The handle stays on the picture.
        QTest::newRow("held on the picture")
            << QPoint(500, 500)
            << QSize(PictureSize.width() - At.x(), PictureSize.height() - At.y());
    }

    void resizeByHandle() {
        QFETCH(QPoint, by);
        QFETCH(QSize, body);
        Scene scene(1);
        KelvoBubble* bubble = scene.as<KelvoEditorSimpleBubble>()->mainBubble();
        QSignalSpy resized(bubble, &KelvoBubble::resized);
        drag(bubble->handle(), QPoint(4, 4), by);
        QCOMPARE(bubble->bodyRect(), QRect(QPoint(0, 0), body));
        QCOMPARE(bubble->handle()->geometry().center(), bubble->bodyRect().bottomRight());
        QCOMPARE(resized, QList<QVariantList>{{QStringLiteral("MainBubble")}});
        QCOMPARE(scene.shaped->size(), bubble->size());
    }

    // The handle stays in the mask where the body leaves it out: at the corner of a transparent
    // ellipse. (What the body takes, filled or not, shows in the look test.)
    void maskKeepsHandle() {
        QWidget owner;
        KelvoBubble bubble(&owner, QStringLiteral("b"), QPoint(0, 0), QPoint(99, 49), false, true);
        bubble.setShapeProperties(Qt::white, Qt::black, 3, false);
        QVERIFY(bubble.mask().contains(bubble.handle()->geometry().center()));
    }

    // The label follows the pointer, by its glyphs or by its handle, but never leaves the shaped
    // text.
    void labelStaysInside() {
        Scene scene(1);
        KelvoBubbleText* label = scene.shaped->label();
        const QPoint start = label->pos();
        drag(label->handle(), QPoint(4, 4), QPoint(-5, 3));
        QCOMPARE(label->pos(), start + QPoint(-5, 3));
        drag(label, label->rect().center(), QPoint(-500, -500));
        QCOMPARE(label->pos(), QPoint(0, 0));
        drag(label, label->rect().center(), QPoint(500, 500));
        QCOMPARE(label->geometry().bottomRight(), scene.shaped->rect().bottomRight());
        QCOMPARE(scene.shaped->codecObject(QPoint()).labelX, label->x());
    }

    // Dragging a circle left of and above the main body moves the widget, not the bodies on
    // screen, and the widget spans them all.
    void thinkCircleMovesWidget() {
        Scene scene(4);
        auto* think = scene.as<KelvoEditorThinkBubble>();
        KelvoBubble* circle = think->circles().back();
        const QPoint mainOnPicture = think->mainBubble()->mapTo(&scene.picture, QPoint());
        const QPoint circleOnPicture = circle->mapTo(&scene.picture, QPoint());
        drag(circle, circle->bodyRect().center(), QPoint(-40, -90));
        QCOMPARE(think->mainBubble()->mapTo(&scene.picture, QPoint()), mainOnPicture);
        QCOMPARE(circle->mapTo(&scene.picture, QPoint()), circleOnPicture + QPoint(-40, -90));
        QRect united;
        for (QWidget* body : think->findChildren<KelvoBubble*>()) {
            united |= body->geometry();
        }
        QCOMPARE(united, think->rect());
    }

    void speechHandlesAndRefusal() {
        Scene scene(3);
        auto* speech = scene.as<KelvoEditorSpeechBubble>();
        // Moving the peak around the body turns the tail's gap with it.
        const double gap1 = angleFrom(speech->angle1(), speech->peakAngle());
        const double gap2 = angleFrom(speech->peakAngle(), speech->angle2());
        const QPoint ellipseOnPicture = speech->mapTo(&scene.picture, speech->bodyRect().topLeft());
        const double peakBefore = speech->peakAngle();
        drag(speech->peakHandle(), QPoint(6, 6), QPoint(130, -120));
        QVERIFY(std::abs(speech->peakAngle() - peakBefore) > 30);
        QVERIFY(std::abs(angleFrom(speech->angle1(), speech->peakAngle()) - gap1) < 1e-6);
        QVERIFY(std::abs(angleFrom(speech->peakAngle(), speech->angle2()) - gap2) < 1e-6);
        // The peak went above the body: the widget grew upward, the ellipse stayed.
        QCOMPARE(speech->mapTo(&scene.picture, speech->bodyRect().topLeft()), ellipseOnPicture);
        QCOMPARE(speech->outline().boundingRect().topLeft(), QPoint(0, 0));
        QCOMPARE(speech->peakHandle()->geometry().center(), speech->peakPoint());

        // The first angle's handle widens the gap on its side only.
        const double peakAngle = speech->peakAngle();
        const double angle1 = speech->angle1();
        const double angle2 = speech->angle2();
        drag(speech->angle1Handle(), QPoint(4, 4), QPoint(30, -10));
        QVERIFY(speech->angle1() != angle1);
        QCOMPARE(speech->angle2(), angle2);
        QCOMPARE(speech->peakAngle(), peakAngle);
        QCOMPARE(speech->angle1Handle()->geometry().center(), speech->outline().first());

        // Growing the body keeps the peak at its relative place in the outline's bounds.
        const QRect bounds = speech->outline().boundingRect();
        const QPointF relative(double(speech->peakPoint().x()) / bounds.width(),
                               double(speech->peakPoint().y()) / bounds.height());
        drag(speech->boxHandle(), QPoint(4, 4), QPoint(60, 40));
        QCOMPARE(speech->bodyRect().size(), QSize(210, 110));
        const QRect grown = speech->outline().boundingRect();
        QVERIFY(std::abs(double(speech->peakPoint().x()) / grown.width() - relative.x()) < 0.02);
        QVERIFY(std::abs(double(speech->peakPoint().y()) / grown.height() - relative.y()) < 0.02);
        // Shrinking to nothing is ignored.
        drag(speech->boxHandle(), QPoint(4, 4), -QPoint(300, 300));
        QCOMPARE(speech->bodyRect().size(), QSize(210, 110));

        // A record that cannot be coded is refused with a message to the author.
        QString told;
        QString caption;
        KelvoDialogScript script;
        script.pressOnMessage(1, &told, &caption);
        const std::vector<uint8_t> bytes = speech->codedBytes(QPoint(-1000000, 0));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QVERIFY(bytes.empty());
        QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
        QVERIFY2(told.contains(QStringLiteral("too far")), qPrintable(told));
    }

    // On a square body a handle keeps its own angle on each side; on a wide body the points are
    // drawn in from the sides and out from top and bottom, which keeps the four main directions.
    void placedAngle() {
        const QRect square(0, 0, 101, 101);
        const QRect wide(0, 0, 150, 70);
        const std::tuple<const char*, QRect, QPoint, double> rows[] = {
            {"square, right", square, {200, 50}, 0.0},
            {"square, top", square, {50, -30}, 90.0},
            {"square, left", square, {-5, 50}, 180.0},
            {"square, bottom", square, {50, 400}, 270.0},
            {"square, centre", square, {50, 50}, 0.0},
            // Meets the right side at (100, 30).
            {"square, up right", square, {130, 17}, 21.8014},
            {"wide, below the centre", wide, {74, 100}, 270.0},
            {"wide, left of the centre", wide, {-20, 34}, 180.0},
            // The default tail's first point meets the bottom at (89, 69), drawn down to (89, 109).
            {"wide, default angle 1", wide, {90, 70}, 281.3099},
            // A body of one pixel has no diagonal to take the corner angle from.
            {"one pixel", QRect(0, 0, 1, 1), {5, 0}, 0.0}};
        for (const auto& [row, body, point, angle] : rows) {
            const double placed = kelvoPlacedAngle(point, body);
            QVERIFY2(std::abs(placed - angle) < 1e-3,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(row)).arg(placed)));
        }
    }

    // The box handle of a bubble on a picture some 50,000 pixels wide multiplies two such widths.
    void scaledPeakOffset() {
        // Reference extent, growth, offset and the offset scaled to the grown extent.
        const std::tuple<const char*, int, int, int, int> rows[] = {
            {"doubled", 100, 100, 30, 60},
            {"shrunk, truncated", 100, -33, 10, 6},
            {"no extent", 0, 40, 7, 7},
            {"wide picture", 50000, 10000, 49000, 58800},
            {"shrunk on a wide picture", 60000, -1, 60000, 59999}};
        for (const auto& [row, reference, grown, offset, scaled] : rows) {
            const int got = kelvoScaledPeakOffset(reference, grown, offset);
            QVERIFY2(got == scaled,
                     qPrintable(QStringLiteral("%1: %2").arg(QLatin1String(row)).arg(got)));
        }
    }
};

QTEST_MAIN(KelvoEditorShapedTextTest)
#include "kelvoeditorshapedtext_test.moc"
