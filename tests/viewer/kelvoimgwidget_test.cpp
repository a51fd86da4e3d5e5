// The image widget: loading and converting pictures, a file that is none, a failed save, file
// extensions, centring, and closing a modified picture.
#include "kelvodialogscript.h"
#include "kelvoimgwidget.h"
#include "viewertestdata.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

using ViewerTestData::picture;

namespace {

// Adds the step that answers a message box with the button labelled `answer`; a box without it
// is closed.
void answerBox(KelvoDialogScript& script, const QString& answer) {
    script.then<QMessageBox>([answer](QMessageBox* box) {
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == answer) {
                button->click();
                return;
            }
        }
        box->close();
    });
}

} // namespace

class KelvoImgWidgetTest : public QObject {
    Q_OBJECT
private slots:
    // Pictures are held as 32-bit RGB and ask for at most 100 x 100.
    void loading() {
        const std::tuple<QSize, QImage::Format, const char*, QSize> rows[] = {
            // size, format, file, minimum size
            {{640, 480}, QImage::Format_RGB888, "photo.bmp", {100, 100}},
            {{50, 40}, QImage::Format_Indexed8, "small.png", {50, 40}},
            {{120, 30}, QImage::Format_RGBX64, "deep.png", {100, 30}}};
        for (const auto& [size, format, file, minimum] : rows) {
            const QString path = m_dir.filePath(QLatin1String(file));
            QVERIFY(picture(size).convertToFormat(format).save(path));
            KelvoImgWidget widget;
            QVERIFY(widget.loadImage(path));
            QCOMPARE(widget.minimumSize(), minimum);
            QCOMPARE(widget.picture(), QImage(path).convertToFormat(QImage::Format_RGB32));
        }
    }

    // A file that is no picture is refused with a message, a save into a missing folder fails,
    // and a picture then set is centred.
    void unreadableFileAndCentring() {
        const QString path = m_dir.filePath(QStringLiteral("not-a-picture.png"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("no picture here");
        file.close();
        KelvoImgWidget widget;
        KelvoDialogScript script;
        answerBox(script, QStringLiteral("OK"));
        QVERIFY(!widget.loadImage(path));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QVERIFY(!widget.isLoaded());
        QVERIFY(widget.displayedImage() == nullptr);
        widget.setImage(picture({8, 8}));
        QVERIFY(!widget.saveImage(m_dir.filePath(QStringLiteral("missing/folder/x.png"))));

        // A picture of odd size sits centred with the odd pixel right of and below the middle.
        // (Even sizes, scroll bars and clamping are the editor's selection and viewer window
        // tests'.)
        widget.setImage(picture({51, 41}));
        widget.resize(200, 101);
        widget.show();
        QVERIFY(QTest::qWaitForWindowExposed(&widget));
        QCOMPARE(widget.offset(), QPoint(75, 30));
    }

    // The text after the last dot of the file name, and a dot at the end still counts. (Names
    // without a dot and dots in folder names are the encoder's PNG name rows'.)
    void fileExtension() {
        for (const auto& [name, extension] :
             {std::pair("a.b.jpeg", "jpeg"), std::pair("picture.", "")}) {
            bool hasExtension = false;
            QCOMPARE(KelvoImgWidget::fileExtension(QString::fromLatin1(name), &hasExtension),
                     QString::fromLatin1(extension));
            QVERIFY(hasExtension);
        }
    }

    // Closing asks about a modified picture only and asks this widget's host to save it on "Save";
    // "Cancel", closing the box and a save that did not happen keep the widget open.
    void closing() {
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
            KelvoDialogScript script;
            if (answer) {
                answerBox(script, QLatin1String(answer));
            }
            QCOMPARE(widget.close(), closes);
            QVERIFY2(script.done(), qPrintable(script.failure()));
            QCOMPARE(saveRequests, answer && QLatin1String(answer) == QLatin1String("Save")
                                       ? QList<KelvoImgWidget*>{&widget}
                                       : QList<KelvoImgWidget*>{});
            QCOMPARE(closeCalls, closes ? 1 : 0);
            QCOMPARE(widget.isVisible(), !closes);
        }
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(KelvoImgWidgetTest)
#include "kelvoimgwidget_test.moc"
