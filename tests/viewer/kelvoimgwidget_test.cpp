// The image widget: loading and converting pictures, names and extensions, centring, copying,
// saving, and closing a modified picture.
#include "kelvoimgwidget.h"
#include "kelvomodalanswer.h"
#include "viewertestdata.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using ViewerTestData::picture;

namespace {

// Answers the next modal message box with the button labelled `answer`; a box without it is
// closed.
void answerNextBox(const QString& answer, bool* answered) {
    kelvoAnswerModal<QMessageBox>(
        [answer](QMessageBox* box) {
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == answer) {
                    button->click();
                    return;
                }
            }
            box->close();
        },
        answered);
}

} // namespace

class KelvoImgWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void loading();
    void unreadableFileOrFolder();
    void fileExtension();
    void centring();
    void copyIsDeep();
    void closing();

private:
    QTemporaryDir m_dir;
};

// Pictures are held as 32-bit RGB unless asked otherwise, ask for at most 100 x 100 and
// remember their file name. (Saving is the application's "save as" test's.)
void KelvoImgWidgetTest::loading() {
    const std::tuple<QSize, QImage::Format, const char*, bool, QSize> rows[] = {
        // size, format, file, convert, minimum size
        {{640, 480}, QImage::Format_RGB888, "photo.bmp", true, {100, 100}},
        {{50, 40}, QImage::Format_Indexed8, "small.png", true, {50, 40}},
        {{120, 30}, QImage::Format_RGBX64, "deep.png", true, {100, 30}},
        {{20, 20}, QImage::Format_Indexed8, "kept.png", false, {20, 20}}};
    for (const auto& [size, format, file, convert, minimum] : rows) {
        const QString path = m_dir.filePath(QLatin1String(file));
        QVERIFY(picture(size).convertToFormat(format).save(path));
        KelvoImgWidget widget;
        widget.setConvertTo32Bits(convert);
        QVERIFY(widget.loadImage(path));
        QVERIFY(!widget.hasCodedData());
        QCOMPARE(widget.fileName(), QLatin1String(file));
        QCOMPARE(widget.minimumSize(), minimum);
        QCOMPARE(widget.displayedImage(), &widget.picture());
        const QImage loaded(path);
        QCOMPARE(widget.picture(), convert ? loaded.convertToFormat(QImage::Format_RGB32) : loaded);
    }
}

void KelvoImgWidgetTest::unreadableFileOrFolder() {
    const QString path = m_dir.filePath(QStringLiteral("not-a-picture.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("no picture here");
    file.close();
    KelvoImgWidget widget;
    bool answered = false;
    answerNextBox(QStringLiteral("OK"), &answered);
    QVERIFY(!widget.loadImage(path));
    QVERIFY(answered);
    QVERIFY(!widget.isLoaded());
    QVERIFY(widget.displayedImage() == nullptr);
    widget.setImage(picture({8, 8}));
    QVERIFY(!widget.saveImage(m_dir.filePath(QStringLiteral("missing/folder/x.png"))));
}

// The text after the last dot of the file name, and whether the file name has a dot.
void KelvoImgWidgetTest::fileExtension() {
    const std::tuple<const char*, const char*, bool> rows[] = {
        {"picture.png", "png", true},     {"a.b.jpeg", "jpeg", true},
        {"picture", "", false},           {"picture.", "", true},
        {"shots.png/harbour", "", false}, {"/my.pictures/a.b.jpeg", "jpeg", true}};
    for (const auto& [name, extension, has] : rows) {
        bool hasExtension = !has;
        QCOMPARE(KelvoImgWidget::fileExtension(QString::fromLatin1(name), &hasExtension),
                 QString::fromLatin1(extension));
        QCOMPARE(hasExtension, has);
    }
}

// The picture sits centred while it fits; in a widget smaller than itself it gets scroll bars
// and starts at its top left. Points map to picture coordinates and clamp onto the picture.
void KelvoImgWidgetTest::centring() {
    const std::tuple<QSize, QPoint, QPoint> rows[] = {
        {{200, 101}, {75, 30}, {85, 35}}, {{51, 41}, {0, 0}, {10, 5}}, {{45, 35}, {0, 0}, {7, 2}}};
    for (const auto& [size, offset, grownOffset] : rows) {
        KelvoImgWidget w;
        w.setImage(picture({51, 41}));
        w.setMinimumSize(0, 0); // a window frame may still make it smaller
        w.resize(size);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.offset(), offset);
        QCOMPARE(w.imagePointAt(QPoint(-500, 500)), QPoint(0, 40));
        QCOMPARE(w.imagePointAt(offset + QPoint(7, 8)), QPoint(7, 8));
        const QImage shown = w.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QPoint inPicture = offset + QPoint(5, 6);
        QCOMPARE(shown.pixel(inPicture), w.picture().pixel(w.toImageCoordinates(inPicture)));

        w.resize(size + QSize(20, 10));
        QTRY_COMPARE(w.offset(), grownOffset);
    }
}

void KelvoImgWidgetTest::copyIsDeep() {
    KelvoImgWidget original;
    original.setImage(picture({30, 20}), QStringLiteral("/x/y/z.png"));
    original.setModified(true);
    original.resize(150, 120);
    original.setZoom(2.0);

    KelvoImgWidget copy;
    copy.copyFrom(original);
    QCOMPARE(copy.picture(), original.picture());
    QCOMPARE(copy.fileName(), QStringLiteral("z.png"));
    QVERIFY(copy.isModified());
    QCOMPARE(copy.minimumSize(), QSize(30, 20));
    QCOMPARE(copy.zoom(), 2.0);
}

// Closing asks about a modified picture only and asks this widget's host to save it on "Save";
// "Cancel", closing the box and a save that did not happen keep the widget open.
void KelvoImgWidgetTest::closing() {
    const std::tuple<const char*, bool, bool> rows[] = {
        // answer, host saves, closes
        {nullptr, true, true},  {"No", true, true},      {"Save", true, true},
        {"Save", false, false}, {"Cancel", true, false}, {"(close box)", true, false}};
    for (const auto& [answer, hostSaves, closes] : rows) {
        int closeCalls = 0;
        KelvoImgWidget widget;
        widget.setImage(picture({10, 10}));
        QList<KelvoImgWidget*> saveRequests;
        connect(&widget, &KelvoImgWidget::saveRequested, this,
                [&saveRequests, hostSaves = hostSaves](KelvoImgWidget* window) {
                    saveRequests << window;
                    window->setModified(!hostSaves);
                });
        connect(&widget, &KelvoImgWidget::closed, this, [&closeCalls] { ++closeCalls; });
        widget.setModified(answer != nullptr);
        widget.show();
        bool answered = answer == nullptr;
        if (answer) {
            answerNextBox(QLatin1String(answer), &answered);
        }
        QCOMPARE(widget.close(), closes);
        QVERIFY(answered);
        QCOMPARE(saveRequests, answer && QLatin1String(answer) == QLatin1String("Save")
                                   ? QList<KelvoImgWidget*>{&widget}
                                   : QList<KelvoImgWidget*>{});
        QCOMPARE(closeCalls, closes ? 1 : 0);
        QCOMPARE(widget.isVisible(), !closes);
    }
}

QTEST_MAIN(KelvoImgWidgetTest)
#include "kelvoimgwidget_test.moc"
