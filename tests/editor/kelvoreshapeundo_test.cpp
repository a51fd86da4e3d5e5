// Undo and redo of a shaped text resized, reshaped or its text moved by a real drag on one of its
// parts: Ctrl+Z brings back exactly the record and mask of before, Ctrl+Shift+Z those of after.
#include "encodertestsupport.h"
#include "kelvoeditmenu.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoimgencodewidget.h"
#include "selectiontestsupport.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QtTest>

namespace {

constexpr int Width = 300;
constexpr int Height = 240;

} // namespace

class KelvoReshapeUndoTest : public QObject {
    Q_OBJECT

private slots:
    void undoAndRedo_data();
    void undoAndRedo();
};

void KelvoReshapeUndoTest::undoAndRedo_data() {
    QTest::addColumn<int>("kind");
    // Object names from the shaped text down to the dragged part.
    QTest::addColumn<QStringList>("part");
    QTest::addColumn<QPoint>("by");
    const QStringList handle{QStringLiteral("MainBubble"), QStringLiteral("ButtonBBox")};
    QTest::newRow("rectangle") << int(KelvoTextPictures::SimpleRect) << handle << QPoint(30, 20);
    QTest::newRow("ellipse") << int(KelvoTextPictures::SimpleEllipse) << handle << QPoint(-40, -25);
    QTest::newRow("speech bubble body")
        << int(KelvoTextPictures::SpeechBubble) << QStringList{QStringLiteral("ButtonBBox")}
        << QPoint(35, 25);
    QTest::newRow("speech bubble peak")
        << int(KelvoTextPictures::SpeechBubble) << QStringList{QStringLiteral("ButtonPeak")}
        << QPoint(-30, 20);
    QTest::newRow("text dragged inside an ellipse")
        << int(KelvoTextPictures::SimpleEllipse) << QStringList{QStringLiteral("BubbleText")}
        << QPoint(-12, 8);
    QTest::newRow("think bubble circle")
        << int(KelvoTextPictures::ThinkBubble) << QStringList{QStringLiteral("SubBubble3")}
        << QPoint(-15, 25);
}

void KelvoReshapeUndoTest::undoAndRedo() {
    QFETCH(int, kind);
    QFETCH(QStringList, part);
    QFETCH(QPoint, by);

    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto* workspace = new QMdiArea;
    window.setCentralWidget(workspace);
    kelvoAddEditMenu(&window, workspace);
    auto* encoder = new KelvoImgEncodeWidget(nullptr, QStringLiteral("_IMG_WIDGET_0"));
    QVERIFY(
        encoder->setImage(EncoderTest::plainPicture(Width, Height), QStringLiteral("plain.png")));
    encoder->setFixedSize(Width, Height);
    workspace->addSubWindow(encoder)->show();
    window.resize(700, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    SelectionTestSupport::drag(encoder, {QPoint(60, 60), QPoint(150, 120), QPoint(260, 200)});
    encoder->attacher().insertShapedText(KelvoTextPictures::TextType(kind));
    auto* shaped = encoder->findChild<KelvoEditorShapedText*>();
    QVERIFY(shaped);

    QWidget* dragged = shaped;
    for (const QString& name : part) {
        dragged = dragged->findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        QVERIFY2(dragged, qPrintable(name));
    }
    const QPoint origin = encoder->toWidgetCoordinates(QPoint(0, 0));
    const std::vector<uint8_t> before = shaped->codedBytes(origin);
    const QRegion maskBefore = shaped->shapeMask();

    const QPoint grip = dragged->rect().center();
    QTest::mousePress(dragged, Qt::LeftButton, {}, grip);
    QTest::mouseMove(dragged, grip + by / 2);
    QTest::mouseMove(dragged, grip + by);
    QTest::mouseRelease(dragged, Qt::LeftButton, {}, grip + by);
    const std::vector<uint8_t> after = shaped->codedBytes(origin);
    const QRegion maskAfter = shaped->shapeMask();
    QVERIFY(!before.empty());
    QVERIFY(after != before);

    QTest::keyClick(encoder, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(shaped->codedBytes(origin) == before);
    QCOMPARE(shaped->shapeMask(), maskBefore);
    QTest::keyClick(encoder, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(shaped->codedBytes(origin) == after);
    QCOMPARE(shaped->shapeMask(), maskAfter);
}

QTEST_MAIN(KelvoReshapeUndoTest)
#include "kelvoreshapeundo_test.moc"
