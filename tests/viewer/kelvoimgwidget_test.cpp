// The image widget: loading and converting pictures, names and extensions, centring, copying,
// saving, and closing a modified picture.
#include "kelvoimgwidget.h"
#include "kelvoviewerwidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

struct Calls {
    int save = 0;
    int close = 0;
};

void onSave(void* context) {
    ++static_cast<Calls*>(context)->save;
}
void onClose(void* context) {
    ++static_cast<Calls*>(context)->close;
}

// Answers the next modal message box with the button labelled `answer`.
void answerNextBox(const QString& answer) {
    QTimer::singleShot(0, [answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == answer) {
                button->click();
                return;
            }
        }
        QFAIL("no such button");
    });
}

QImage gradient(QSize size, QImage::Format format) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            image.setPixel(x, y, qRgb(x * 3 % 256, y * 5 % 256, 77));
        }
    }
    return image.convertToFormat(format);
}

} // namespace

class KelvoImgWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void loading_data();
    void loading();
    void keepsShallowPicturesWhenAsked();
    void unreadableFile();
    void fileExtension_data();
    void fileExtension();
    void centring_data();
    void centring();
    void copyIsDeep();
    void saving();
    void closing_data();
    void closing();
    void widgetKeys();

private:
    QTemporaryDir m_dir;
};

void KelvoImgWidgetTest::loading_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("minimum");
    QTest::newRow("24-bit BMP") << QSize(640, 480) << int(QImage::Format_RGB888)
                                << QStringLiteral("photo.bmp") << QSize(100, 100);
    QTest::newRow("small 8-bit PNG") << QSize(50, 40) << int(QImage::Format_Indexed8)
                                     << QStringLiteral("small.png") << QSize(50, 40);
    QTest::newRow("16 bits per channel") << QSize(120, 30) << int(QImage::Format_RGBX64)
                                         << QStringLiteral("deep.png") << QSize(100, 30);
}

// Pictures are held as 32-bit RGB, ask for at most 100 x 100 and remember their file name.
void KelvoImgWidgetTest::loading() {
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(QString, file);
    QFETCH(QSize, minimum);
    const QImage source = gradient(size, QImage::Format(format));
    const QString path = m_dir.filePath(file);
    QVERIFY(source.save(path));

    KelvoImgWidget widget;
    QVERIFY(widget.loadImage(path));
    QVERIFY(widget.isLoaded());
    QVERIFY(widget.hasPicture());
    QVERIFY(!widget.hasCodedData());
    QCOMPARE(widget.fileName(), file);
    QCOMPARE(widget.picture().format(), QImage::Format_RGB32);
    QCOMPARE(widget.picture().size(), size);
    QCOMPARE(widget.minimumSize(), minimum);
    QCOMPARE(widget.displayedImage(), &widget.picture());
    QCOMPARE(widget.picture(), QImage(path).convertToFormat(QImage::Format_RGB32));
}

void KelvoImgWidgetTest::keepsShallowPicturesWhenAsked() {
    const QString path = m_dir.filePath(QStringLiteral("indexed.png"));
    QVERIFY(gradient({20, 20}, QImage::Format_Indexed8).save(path));
    KelvoImgWidget widget;
    widget.setConvertTo32Bits(false);
    QVERIFY(widget.loadImage(path));
    QCOMPARE(widget.picture().format(), QImage::Format_Indexed8);
}

void KelvoImgWidgetTest::unreadableFile() {
    const QString path = m_dir.filePath(QStringLiteral("not-a-picture.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    KelvoImgWidget widget;
    answerNextBox(QStringLiteral("OK"));
    QVERIFY(!widget.loadImage(path));
    QVERIFY(!widget.isLoaded());
    QVERIFY(widget.displayedImage() == nullptr);
}

void KelvoImgWidgetTest::fileExtension_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("extension");
    QTest::addColumn<bool>("has");
    QTest::newRow("png") << QStringLiteral("picture.png") << QStringLiteral("png") << true;
    QTest::newRow("last dot") << QStringLiteral("a.b.jpeg") << QStringLiteral("jpeg") << true;
    QTest::newRow("none") << QStringLiteral("picture") << QString() << false;
    QTest::newRow("trailing dot") << QStringLiteral("picture.") << QString() << true;
}

void KelvoImgWidgetTest::fileExtension() {
    QFETCH(QString, name);
    QFETCH(QString, extension);
    QFETCH(bool, has);
    bool hasExtension = !has;
    QCOMPARE(KelvoImgWidget::fileExtension(name, &hasExtension), extension);
    QCOMPARE(hasExtension, has);
}

void KelvoImgWidgetTest::centring_data() {
    QTest::addColumn<QSize>("widget");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("larger widget") << QSize(200, 101) << QPoint(75, 30);
    QTest::newRow("same size") << QSize(51, 41) << QPoint(0, 0);
    QTest::newRow("smaller widget") << QSize(30, 20) << QPoint(-10, -10);
}

// The picture sits centred; points map to picture coordinates and clamp onto the picture.
void KelvoImgWidgetTest::centring() {
    QFETCH(QSize, widget);
    QFETCH(QPoint, offset);
    KelvoImgWidget w;
    w.setImage(gradient({51, 41}, QImage::Format_RGB32));
    w.setMinimumSize(0, 0); // a window frame may still make it smaller
    w.resize(widget);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.offset(), offset);
    QVERIFY(w.offsetChanged());
    QCOMPARE(w.toImageCoordinates(offset + QPoint(3, 4)), QPoint(3, 4));
    QCOMPARE(w.clampToImage(QPoint(-500, 500)), offset + QPoint(0, 40));
    QCOMPARE(w.clampToImage(offset + QPoint(7, 8)), offset + QPoint(7, 8));
    const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QPoint inPicture = offset.x() >= 0 ? offset + QPoint(5, 6) : QPoint(5, 6);
    QCOMPARE(shown.pixel(inPicture), w.picture().pixel(w.toImageCoordinates(inPicture)));

    const QPoint before = w.offset();
    w.resize(widget + QSize(20, 10));
    QTRY_COMPARE(w.offset(), before + QPoint(10, 5));
    QCOMPARE(w.offsetChange(), QPoint(10, 5));
}

void KelvoImgWidgetTest::copyIsDeep() {
    Calls calls;
    KelvoImgWidget original;
    original.setSaveCallback(onSave, &calls);
    original.setImage(gradient({30, 20}, QImage::Format_RGB32), QStringLiteral("/x/y/z.png"));
    original.setModified(true);
    original.resize(150, 120);

    KelvoImgWidget copy;
    copy.copyFrom(original);
    QCOMPARE(copy.picture(), original.picture());
    QCOMPARE(copy.fileName(), QStringLiteral("z.png"));
    QVERIFY(copy.isModified());
    QCOMPARE(copy.minimumSize(), QSize(150, 120));
    QVERIFY(copy.picture().constBits() != original.picture().constBits());
    QCOMPARE(copy.displayedImage(), &copy.picture());

    copy.setModified(true);
    answerNextBox(QStringLiteral("Save"));
    copy.close();
    QCOMPARE(calls.save, 1);
}

void KelvoImgWidgetTest::saving() {
    KelvoImgWidget widget;
    widget.setImage(gradient({33, 17}, QImage::Format_RGB32));
    const QString path = m_dir.filePath(QStringLiteral("saved.png"));
    QVERIFY(widget.saveImage(path));
    QCOMPARE(QImage(path).convertToFormat(QImage::Format_RGB32), widget.picture());
    QVERIFY(!widget.saveImage(m_dir.filePath(QStringLiteral("missing/folder/x.png"))));
}

void KelvoImgWidgetTest::closing_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("saves");
    QTest::newRow("unmodified: no question") << false << QString() << 0;
    QTest::newRow("modified, No") << true << QStringLiteral("No") << 0;
    QTest::newRow("modified, Save") << true << QStringLiteral("Save") << 1;
}

void KelvoImgWidgetTest::closing() {
    QFETCH(bool, modified);
    QFETCH(QString, answer);
    QFETCH(int, saves);
    Calls calls;
    KelvoImgWidget widget;
    widget.setImage(gradient({10, 10}, QImage::Format_RGB32));
    widget.setSaveCallback(onSave, &calls);
    widget.setCloseCallback(onClose, &calls);
    widget.setModified(modified);
    widget.show();
    if (!answer.isEmpty()) {
        answerNextBox(answer);
    }
    QVERIFY(widget.close());
    QCOMPARE(calls.save, saves);
    QCOMPARE(calls.close, 1);
}

void KelvoImgWidgetTest::widgetKeys() {
    KelvoImgWidget image;
    KelvoViewerWidget viewer;
    QCOMPARE(image.widgetKey(), QStringLiteral("KELVO_IMG_WIDGET"));
    QCOMPARE(viewer.widgetKey(), QStringLiteral("KELVO_VIEWER_WIDGET"));
    QCOMPARE(image.focusPolicy(), Qt::ClickFocus);
    QVERIFY(!viewer.hasMouseTracking());
    QVERIFY(image.displayedImage() == nullptr);
}

QTEST_MAIN(KelvoImgWidgetTest)
#include "kelvoimgwidget_test.moc"
