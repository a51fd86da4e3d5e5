// The editor's shaped texts with real pointer events over a plain picture: dragging,
// the context menu, the text editor's callbacks, the parts of think and speech bubbles, and the
// records they code, with the limits beyond which a record would not read back the same.
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
#include "kelvotexteditor.h"
#include "kelvotextshapes.h"
#include "shapedtexttestsupport.h"

#include <QMenu>
#include <QtTest>

#include <cmath>
#include <memory>

using namespace ShapedTextTest;

namespace {

const QPoint At(60, 40);

// A picture with one shaped text of `kind` on it, shown.
struct Scene {
    explicit Scene(int kind) : picture(testPicture(QSize(400, 300))) {
        shaped = makeShapedText(&picture, kind);
        shaped->move(At);
        picture.show();
        QVERIFY(QTest::qWaitForWindowExposed(&picture));
    }
    // A point of the body that is neither label nor handle, in the shaped text's coordinates.
    QPoint bodyPoint() const { return QPoint(20, 35); }

    PictureWidget picture;
    KelvoEditorShapedText* shaped = nullptr;
};

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

double angleFrom(double angle, double reference) {
    return std::fmod(angle - reference + 720, 360);
}

} // namespace

class KelvoEditorShapedTextTest : public QObject {
    Q_OBJECT
private slots:
    void dragWhole_data();
    void dragWhole();
    void contextMenu_data();
    void contextMenu();
    void menuEntries();
    void previewOkCancel();
    void codedRecord_data();
    void codedRecord();
    void recordLimits_data();
    void recordLimits();
    void refusalIsTold();
    void thinkCircleMovesWidget();
    void speechPeakTurnsTheGap();
    void speechAngleWidensTheGap();
    void speechBodyGrowsWithPeak();
};

void KelvoEditorShapedTextTest::dragWhole_data() {
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

void KelvoEditorShapedTextTest::dragWhole() {
    QFETCH(int, kind);
    QFETCH(QPoint, by);
    QFETCH(QPoint, moved);
    Scene scene(kind);
    QWidget* target = scene.shaped->childAt(scene.bodyPoint());
    QVERIFY(target == nullptr || qobject_cast<KelvoBubble*>(target));
    if (!target) {
        target = scene.shaped;
    }
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
void KelvoEditorShapedTextTest::contextMenu_data() {
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

void KelvoEditorShapedTextTest::contextMenu() {
    QFETCH(int, kind);
    QFETCH(QString, part);
    QFETCH(bool, opens);
    Scene scene(kind);
    QWidget* target = part.isEmpty() ? scene.shaped->childAt(scene.bodyPoint())
                                     : scene.shaped->findChild<QWidget*>(part);
    if (!target) {
        target = scene.shaped;
    }
    const QPoint at = part.isEmpty() ? target->mapFrom(scene.shaped, scene.bodyPoint())
                                     : QPoint(target->width() / 2, target->height() / 2 + 2);
    QTest::mousePress(target, Qt::RightButton, {}, at);
    QCOMPARE(scene.shaped->contextMenu()->isVisible(), opens);
    if (opens) {
        QCOMPARE(scene.shaped->contextMenu()->pos(), target->mapToGlobal(at));
    }
    scene.shaped->contextMenu()->hide();
}

void KelvoEditorShapedTextTest::menuEntries() {
    Scene scene(2);
    KelvoEditorShapedText* shaped = scene.shaped;
    const QList<QAction*> entries = shaped->contextMenu()->actions();

    const QPoint centred = shaped->label()->pos();
    shaped->label()->move(3, 4);
    entries[1]->trigger();
    QCOMPARE(shaped->label()->pos(), centred);

    entries[0]->trigger();
    QVERIFY(shaped->textEditor()->isVisible());
    QCOMPARE(shaped->textEditor()->props().textData.text, shaped->currentProps().textData.text);

    QPointer<KelvoTextEditor> editor = shaped->textEditor();
    KelvoEditorShapedText* removed = nullptr;
    connect(shaped, &KelvoEditorShapedText::removeRequested, this,
            [&](KelvoEditorShapedText* s) { removed = s; });
    entries[2]->trigger();
    QCOMPARE(removed, shaped);
    QVERIFY(!editor->isVisible());
}

// Preview shows a look, Cancel brings back the last accepted one exactly, OK accepts.
void KelvoEditorShapedTextTest::previewOkCancel() {
    for (const int kind : {1, 3, 4}) {
        Scene scene(kind);
        KelvoEditorShapedText* shaped = scene.shaped;
        const QImage before = scene.picture.grab().toImage();
        const TheS_BubbleData original = shaped->currentProps();
        const TheS_BubbleData look = unusualLook();
        emit shaped->textEditor()->previewed(look);
        QVERIFY(shaped->currentProps() == look);
        QVERIFY(shaped->acceptedProps() == original);
        QCOMPARE(shaped->label()->textProperties().text, look.textData.text);
        QVERIFY(scene.picture.grab().toImage() != before);
        emit shaped->textEditor()->cancelled();
        QVERIFY(shaped->currentProps() == original);
        QCOMPARE(scene.picture.grab().toImage(), before);
        applyThroughEditor(*shaped, look);
        QCOMPARE(shaped->acceptedProps().textData.text, look.textData.text);
        QCOMPARE(shaped->acceptedProps().outlineColour, look.outlineColour);
        QVERIFY(shaped->acceptedProps() == shaped->currentProps());
        QVERIFY(!shaped->textEditor()->isVisible());
    }
}

void KelvoEditorShapedTextTest::codedRecord_data() {
    QTest::addColumn<int>("kind");
    for (const int kind : {1, 2, 3, 4}) {
        QTest::newRow(QByteArray::number(kind)) << kind;
    }
}

// The record reads back through the codec with every value the shaped text shows.
void KelvoEditorShapedTextTest::codedRecord() {
    QFETCH(int, kind);
    Scene scene(kind);
    KelvoEditorShapedText* shaped = scene.shaped;
    emit shaped->textEditor()->accepted(unusualLook());
    const QPoint origin(10, 5);
    const KelvoComicEllipseObj read = readBack(shaped->codedBytes(origin));
    QCOMPARE(int(read.kind), kind);
    QCOMPARE(read.x, At.x() - origin.x());
    QCOMPARE(read.y, At.y() - origin.y());
    QCOMPARE(read.labelX, shaped->label()->x());
    QCOMPARE(read.labelY, shaped->label()->y());
    QCOMPARE(int(read.outlineWidth), 3);
    QCOMPARE(read.text, u"Unusual look,\nright aligned");
    QCOMPARE(read.font.family, std::string("Courier"));
    QCOMPARE(read.font.pointSize, 11);
    QCOMPARE(read.font.weight, 75);
    QVERIFY(read.font.italic);
    QCOMPARE(read.alignment, 3);
    QCOMPARE(read.textColour, (KelvoRgb{20, 90, 200}));
    QCOMPARE(read.outlineColour, (KelvoRgb{180, 30, 40}));
    QCOMPARE(read.backgroundColour, (KelvoRgb{255, 240, 160}));
    QVERIFY(read.backgroundFilled);
    QCOMPARE(read.right - read.left + 1, 150);
    QCOMPARE(read.bottom - read.top + 1, 70);
    if (kind == KindSpeechBubble) {
        auto* speech = static_cast<KelvoEditorSpeechBubble*>(shaped);
        QCOMPARE(QPoint(read.peakX, read.peakY), speech->peakPoint());
        QCOMPARE(read.angle1, int(speech->angle1()));
        QCOMPARE(read.angle2, int(speech->angle2()));
    }
    if (kind == KindThinkBubble) {
        auto* think = static_cast<KelvoEditorThinkBubble*>(shaped);
        QCOMPARE(read.circles.size(), std::size_t(3));
        const QSize sizes[] = {{21, 18}, {16, 14}, {14, 12}};
        const QPoint places[] = {{55, 74}, {37, 85}, {23, 100}};
        const QPoint main = think->mainBubble()->pos();
        QCOMPARE(QPoint(read.left, read.top), main);
        for (int i = 0; i < 3; ++i) {
            const KelvoThinkBubbleCircle& c = read.circles[i];
            QCOMPARE(QPoint(c.x, c.y) - main, places[i]);
            // Stored one larger: the viewer draws a circle one pixel smaller than it reads.
            QCOMPARE(QSize(c.width - 1, c.height - 1), sizes[i]);
        }
    }
}

void KelvoEditorShapedTextTest::recordLimits_data() {
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
    QTest::newRow("y past the negative limit") << 2 << QPoint(0, -limit - 1) << 12 << 4 << false;
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
void KelvoEditorShapedTextTest::recordLimits() {
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

// A record that cannot be coded is refused with a message to the author.
void KelvoEditorShapedTextTest::refusalIsTold() {
    Scene scene(3);
    QString told;
    QString caption;
    KelvoDialogScript script;
    script.pressOnMessage(1, &told, &caption);
    const std::vector<uint8_t> bytes = scene.shaped->codedBytes(QPoint(-1000000, 0));
    QVERIFY2(script.done(), qPrintable(script.failure()));
    QVERIFY(bytes.empty());
    QCOMPARE(caption, QStringLiteral("Kelvo - Message"));
    QVERIFY2(told.contains(QStringLiteral("too far")), qPrintable(told));
}

// Dragging a circle left of and above the main body moves the widget, not the bodies on
// screen, and the widget spans them all.
void KelvoEditorShapedTextTest::thinkCircleMovesWidget() {
    Scene scene(4);
    auto* think = static_cast<KelvoEditorThinkBubble*>(scene.shaped);
    KelvoBubble* circle = think->circles().back();
    const QPoint mainOnPicture = think->mainBubble()->mapTo(&scene.picture, QPoint());
    const QPoint circleOnPicture = circle->mapTo(&scene.picture, QPoint());
    const QPoint from = circle->bodyRect().center();
    drag(circle, from, QPoint(-40, -90));
    QCOMPARE(think->mainBubble()->mapTo(&scene.picture, QPoint()), mainOnPicture);
    QCOMPARE(circle->mapTo(&scene.picture, QPoint()), circleOnPicture + QPoint(-40, -90));
    QRect united;
    for (QWidget* body : think->findChildren<KelvoBubble*>()) {
        united |= body->geometry();
    }
    QCOMPARE(united, think->rect());
}

// Moving the peak around the body turns the tail's gap with it.
void KelvoEditorShapedTextTest::speechPeakTurnsTheGap() {
    Scene scene(3);
    auto* speech = static_cast<KelvoEditorSpeechBubble*>(scene.shaped);
    const double gap1 = angleFrom(speech->angle1(), speech->peakAngle());
    const double gap2 = angleFrom(speech->peakAngle(), speech->angle2());
    const QPoint ellipseOnPicture = speech->mapTo(&scene.picture, speech->bodyRect().topLeft());
    KelvoButton* peak = speech->peakHandle();
    const double before = speech->peakAngle();
    drag(peak, QPoint(6, 6), QPoint(130, -120));
    QVERIFY(std::abs(speech->peakAngle() - before) > 30);
    QVERIFY(std::abs(angleFrom(speech->angle1(), speech->peakAngle()) - gap1) < 1e-6);
    QVERIFY(std::abs(angleFrom(speech->peakAngle(), speech->angle2()) - gap2) < 1e-6);
    // The peak went above the body: the widget grew upward, the ellipse stayed.
    QCOMPARE(speech->mapTo(&scene.picture, speech->bodyRect().topLeft()), ellipseOnPicture);
    QCOMPARE(speech->outline().boundingRect().topLeft(), QPoint(0, 0));
    QCOMPARE(peak->geometry().center(), speech->peakPoint());
}

void KelvoEditorShapedTextTest::speechAngleWidensTheGap() {
    Scene scene(3);
    auto* speech = static_cast<KelvoEditorSpeechBubble*>(scene.shaped);
    const double peakAngle = speech->peakAngle();
    const double angle2 = speech->angle2();
    const double angle1 = speech->angle1();
    KelvoButton* handle = speech->angle1Handle();
    drag(handle, QPoint(4, 4), QPoint(30, -10));
    QVERIFY(speech->angle1() != angle1);
    QCOMPARE(speech->angle2(), angle2);
    QCOMPARE(speech->peakAngle(), peakAngle);
    QCOMPARE(handle->geometry().center(), speech->outline().first());
}

// Growing the body keeps the peak at its relative place in the outline's bounds.
void KelvoEditorShapedTextTest::speechBodyGrowsWithPeak() {
    Scene scene(3);
    auto* speech = static_cast<KelvoEditorSpeechBubble*>(scene.shaped);
    const QRect bounds = speech->outline().boundingRect();
    const QPointF relative(double(speech->peakPoint().x()) / bounds.width(),
                           double(speech->peakPoint().y()) / bounds.height());
    KelvoButton* box = speech->boxHandle();
    drag(box, QPoint(4, 4), QPoint(60, 40));
    QCOMPARE(speech->bodyRect().size(), QSize(210, 110));
    const QRect grown = speech->outline().boundingRect();
    QVERIFY(std::abs(double(speech->peakPoint().x()) / grown.width() - relative.x()) < 0.02);
    QVERIFY(std::abs(double(speech->peakPoint().y()) / grown.height() - relative.y()) < 0.02);
    // Shrinking to nothing is ignored.
    drag(box, QPoint(4, 4), -QPoint(300, 300));
    QCOMPARE(speech->bodyRect().size(), QSize(210, 110));
}

QTEST_MAIN(KelvoEditorShapedTextTest)
#include "kelvoeditorshapedtext_test.moc"
