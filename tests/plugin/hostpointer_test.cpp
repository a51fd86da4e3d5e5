// The host on a real X display (run under xvfb-run): the real pointer, moved by xdotool, brings
// up a region's balloon in the embedded plug-in window and takes it away again when it leaves
// the picture and the host's window. The plug-in is reached only through the library, as the
// host does, so its widgets are told by their class names.
#include "hostsession.h"
#include "hostwindow.h"
#include "viewertestdata.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QRect TextRect(10, 10, 40, 30);

// Moves the real pointer to `global`.
bool movePointer(QPoint global) {
    QProcess xdotool;
    xdotool.start(
        QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    return xdotool.waitForFinished(10000) && xdotool.exitStatus() == QProcess::NormalExit &&
           xdotool.exitCode() == 0;
}

HostWindow* hostWindow() {
    const QWidgetList tops = QApplication::topLevelWidgets();
    for (QWidget* top : tops) {
        if (auto* window = qobject_cast<HostWindow*>(top))
            return window;
    }
    return nullptr;
}

// The plug-in's widget of class `className` in the first embed, or null.
QWidget* pluginWidget(const char* className) {
    HostWindow* window = hostWindow();
    QWidget* plugin =
        window ? HostAutomation::pluginWidgetIn(window->containers().constFirst()) : nullptr;
    if (!plugin)
        return nullptr;
    const QList<QWidget*> widgets = plugin->findChildren<QWidget*>();
    for (QWidget* widget : widgets) {
        if (qstrcmp(widget->metaObject()->className(), className) == 0)
            return widget;
    }
    return nullptr;
}

} // namespace

class HostPointerTest : public QObject {
    Q_OBJECT
private slots:
    void balloonGoesWhenThePointerLeaves() {
        // Never skipped: without a display or xdotool this test fails.
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
        QVERIFY2(movePointer(QPoint(0, 0)), "xdotool cannot move the pointer");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        qputenv("KELVO_DIR", QFile::encodeName(dir.path() + QLatin1Char('/')));
        const QImage picture = ViewerTestData::codedPicture({100, 80}, {{TextRect, "alpha"}});
        QVERIFY(picture.save(dir.filePath("pic.png"), "PNG"));
        QFile page(dir.filePath("page.html"));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<embed type=\"application/kelvo\" width=100 height=80 kelvo=\"pic.png\">\n");
        page.close();

        HostOptions options;
        options.page = page.fileName();
        options.plugin = QStringLiteral(NPKELVO_LIBRARY);
        HostSession session(options);
        QString error;
        QVERIFY2(session.start(&error), qPrintable(error));
        QTRY_VERIFY(pluginWidget("KelvoNPPluginViewerWidget") &&
                    pluginWidget("KelvoNPPluginViewerWidget")->isVisible());
        QWidget* viewer = pluginWidget("KelvoNPPluginViewerWidget");
        QVERIFY(QTest::qWaitForWindowExposed(hostWindow()));

        // Over the region in small steps, as a hand moves it: the balloon comes up.
        const QPoint region = viewer->mapToGlobal(TextRect.center());
        for (int step = 4; step >= 0; --step) {
            QVERIFY(movePointer(region + QPoint(step * 5, step * 5)));
            QTest::qWait(50);
        }
        QTRY_VERIFY(pluginWidget("KelvoTextWidget") &&
                    pluginWidget("KelvoTextWidget")->isVisible());

        // Out of the picture and past the host's window: it goes.
        const QRect host = hostWindow()->frameGeometry();
        QVERIFY(movePointer(QPoint(host.right() + 40, host.bottom() + 40)));
        QTRY_VERIFY_WITH_TIMEOUT(pluginWidget("KelvoTextWidget")->isHidden(), 3000);
    }
};

QTEST_MAIN(HostPointerTest)
#include "hostpointer_test.moc"
