// The image grabber: its tools follow the active window, the automatic selection is armed from
// the tool bar and run by the next release, or refused with a message where no closed outline
// exists, grabbing hands the shown outline over, and hiding discards the pictures.
#include "kelvocontour.h"
#include "kelvodialogscript.h"
#include "kelvoimggrabber.h"
#include "kelvoimgselectcopywidget.h"
#include "kelvomsgdlg.h"
#include "selectiontestsupport.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

using SelectionTestSupport::drag;

class KelvoImgGrabberTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QImage picture(120, 90, QImage::Format_RGB32);
        picture.fill(Qt::white);
        QPainter(&picture).fillRect(40, 30, 25, 20, Qt::darkGreen);
        QVERIFY(picture.save(path("object.png")));
        picture.fill(Qt::yellow);
        QVERIFY(picture.save(path("plain.png")));
        QFile text(path("notes.png"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a picture");
    }

    void init() {
        m_grabber = new KelvoImgGrabber;
        m_grabber->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grabber));
    }

    void cleanup() { delete m_grabber; }

    // The tools follow the active window; grabbing hands the shown picture and its outline over.
    void toolsFollowActiveWindowAndGrab() {
        QList<QPolygon> grabbed;
        QImage picture;
        connect(m_grabber, &KelvoImgGrabber::grabbed,
                [&](const QImage& shown, const QPolygon& outline) {
                    picture = shown;
                    grabbed.append(outline);
                });
        // A file that is no picture leaves no window; without a window a grab hands nothing.
        KelvoDialogScript script;
        script.then<QMessageBox>([](QMessageBox* box) { box->accept(); });
        QVERIFY(!m_grabber->openFile(path("notes.png")));
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QVERIFY(m_grabber->workspace()->subWindowList().isEmpty());
        QCOMPARE(toolStates(), (QStringList{"--", "--", "--", "--"}));
        m_grabber->grabPart();
        QVERIFY(grabbed.isEmpty());
        QVERIFY(m_grabber->openFile(path("object.png")));
        QCOMPARE(toolStates(), (QStringList{"ec", "e-", "e-", "--"}));
        KelvoImgSelectCopyWidget* first = active();
        QVERIFY(first);
        QCOMPARE(first->windowTitle(), QStringLiteral("object.png"));
        // Without a complete outline the tool is off, and a grab hands an empty outline.
        m_grabber->grabPart();
        QCOMPARE(grabbed, QList<QPolygon>{QPolygon()});

        tool("selectPoly")->trigger();
        QCOMPARE(first->selectionMode(), 1);
        const QPoint at = first->offset();
        drag(first, {at + QPoint(10, 10), at + QPoint(100, 10), at + QPoint(60, 80)});
        QCOMPARE(toolStates(), (QStringList{"e-", "ec", "e-", "e-"}));
        tool("grabPart")->trigger();
        QCOMPARE(picture, first->picture());
        QCOMPARE(grabbed.last(), first->imageOutline());
        QCOMPARE(grabbed.last().size(), 4);

        // Another window, such as the encoder, becomes active and the grabber's tools stay.
        {
            QWidget other;
            other.show();
            other.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&other));
            QCOMPARE(toolStates(), (QStringList{"e-", "ec", "e-", "e-"}));
            m_grabber->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_grabber));
        }
        QVERIFY(m_grabber->openFile(path("plain.png")));
        QVERIFY(active() != first);
        QCOMPARE(toolStates(), (QStringList{"ec", "e-", "e-", "--"}));
        m_grabber->workspace()->setActiveSubWindow(m_grabber->workspace()->subWindowList().first());
        QCOMPARE(active(), first);
        QCOMPARE(toolStates(), (QStringList{"e-", "ec", "e-", "e-"}));

        m_grabber->workspace()->currentSubWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_grabber->workspace()->subWindowList().size(), 1);
        QCOMPARE(toolStates(), (QStringList{"ec", "e-", "e-", "--"}));
        // Hiding discards the pictures.
        QPointer<KelvoImgSelectCopyWidget> last = active();
        m_grabber->hide();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(last.isNull());
        m_grabber->show();
        QVERIFY(m_grabber->workspace()->subWindowList().isEmpty());
        QCOMPARE(toolStates(), (QStringList{"--", "--", "--", "--"}));
    }

    void automaticSelectionFromToolBar() {
        QVERIFY(m_grabber->openFile(path("object.png")));
        QSignalSpy reports(active(), &KelvoImgSelectionWidget::selectionChanged);
        armAutomatic();
        QCOMPARE(toolStates(), (QStringList{"e-", "e-", "ec", "--"}));

        // While armed, press and move draw nothing; the release on the background searches.
        const QPoint at = active()->offset();
        drag(active(), {at + QPoint(3, 3), at + QPoint(100, 70), at + QPoint(2, 2)});
        QVERIFY(!active()->isAutoArmed());
        QVERIFY(active()->isSelectionClosed());
        QCOMPARE(reports, QList<QVariantList>{{true}});
        QPolygon expected;
        QVERIFY(findContour(active()->picture(), expected, qRgb(255, 255, 255)));
        QCOMPARE(active()->imageOutline(), expected);
        QCOMPARE(expected.first(), QPoint(40, 29));
        QCOMPARE(toolStates(), (QStringList{"ec", "e-", "e-", "e-"}));
        // The armed state lasted one release: the next drag selects a rectangle again.
        drag(active(), {at + QPoint(10, 10), at + QPoint(20, 20)});
        QCOMPARE(active()->imageOutline().first(), QPoint(10, 10));

        // A cancelled question leaves the window as it was.
        KelvoDialogScript script;
        script.then<KelvoMsgDlg>([](KelvoMsgDlg* dialog) { dialog->reject(); });
        tool("selectAutoPoly")->trigger();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QVERIFY(!active()->isAutoArmed());
        QCOMPARE(toolStates(), (QStringList{"ec", "e-", "e-", "e-"}));

        // Choosing another tool while armed selects with that tool.
        armAutomatic();
        tool("selectPoly")->trigger();
        QVERIFY(!active()->isAutoArmed());
        drag(active(), {at + QPoint(5, 5), at + QPoint(30, 5), at + QPoint(20, 30)});
        QCOMPARE(active()->imageOutline(), (QPolygon{{5, 5}, {30, 5}, {20, 30}, {5, 5}}));
    }

    void automaticSelectionFindsNoOutline_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QPoint>("click"); // from the picture's top left corner
        QTest::newRow("picture of one colour") << "plain.png" << QPoint(60, 50);
        QTest::newRow("click beside the picture") << "object.png" << QPoint(-5, -5);
    }

    void automaticSelectionFindsNoOutline() {
        QFETCH(QString, picture);
        QFETCH(QPoint, click);
        QVERIFY(m_grabber->openFile(path(qPrintable(picture))));
        const QPoint at = active()->offset();
        QVERIFY2(at.x() >= 5 && at.y() >= 5, "the picture fills the window");
        drag(active(), {at + QPoint(10, 10), at + QPoint(20, 20)});
        const QPolygon before = active()->imageOutline();
        QSignalSpy reports(active(), &KelvoImgSelectionWidget::selectionChanged);
        armAutomatic();

        QString text;
        KelvoDialogScript script;
        script.pressOnMessage(1, &text);
        QTest::mouseClick(active(), Qt::LeftButton, {}, at + click);
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(text, QStringLiteral("Unfortunately, no closed contour could be found."));
        QVERIFY(!active()->isAutoArmed());
        QCOMPARE(active()->imageOutline(), before);
        QVERIFY(active()->isSelectionClosed());
        QVERIFY(reports.isEmpty());
    }

private:
    QAction* tool(const char* name) const {
        return m_grabber->findChild<QAction*>(QLatin1String(name));
    }

    KelvoImgSelectCopyWidget* active() const {
        QMdiSubWindow* window = m_grabber->workspace()->currentSubWindow();
        return window ? qobject_cast<KelvoImgSelectCopyWidget*>(window->widget()) : nullptr;
    }

    QString path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }

    // Arms the automatic selection from the tool bar, confirming its message.
    void armAutomatic() {
        QString text;
        KelvoDialogScript script;
        script.pressOnMessage(1, &text);
        tool("selectAutoPoly")->trigger();
        QVERIFY2(script.done(), qPrintable(script.failure()));
        QCOMPARE(text, QStringLiteral("Click on the image background ..."));
        QVERIFY(active()->isAutoArmed());
    }

    // Enabled and checked state of the three selection tools and the grab tool, as "ec".
    QStringList toolStates() const {
        QStringList states;
        for (const char* name : {"selectRect", "selectPoly", "selectAutoPoly", "grabPart"}) {
            const QAction* action = tool(name);
            states << QString(QLatin1Char(action->isEnabled() ? 'e' : '-')) +
                          QLatin1Char(action->isChecked() ? 'c' : '-');
        }
        return states;
    }

    QTemporaryDir m_dir;
    KelvoImgGrabber* m_grabber = nullptr;
};

QTEST_MAIN(KelvoImgGrabberTest)
#include "kelvoimggrabber_test.moc"
