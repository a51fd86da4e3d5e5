// The start and about pictures: placed centred over the parent, with an OK button that hides
// them; an unreadable file leaves the widget alone.
#include "kelvoinfowidget.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class KelvoInfoWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QFile file(m_dir.filePath(QStringLiteral("broken.png")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\x89PNG\r\n\x1a\n truncated");
    }

    // Centred over the parent; files it cannot read leave it as it was; OK hides it.
    void placementAndOk() {
        QWidget window;
        window.resize(401, 301);
        KelvoInfoWidget info(&window, QStringLiteral("aboutWidget"));
        QVERIFY(info.showPicture(picture(QSize(200, 151)), true));
        const QRect geometry(100, 75, 200, 151);
        QCOMPARE(info.geometry(), geometry);
        for (const char* name : {"broken.png", "missing.png"}) {
            QVERIFY(!info.showPicture(m_dir.filePath(QLatin1String(name)), false));
            QCOMPARE(info.geometry(), geometry);
            QVERIFY(info.okButton());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(info.isVisible());
        QTest::mouseClick(info.okButton(), Qt::LeftButton);
        QVERIFY(!info.isVisible());
    }

private:
    QString picture(QSize size) const {
        const QString name =
            m_dir.filePath(QStringLiteral("%1x%2.png").arg(size.width()).arg(size.height()));
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        image.save(name, "PNG");
        return name;
    }

    QTemporaryDir m_dir;
};

QTEST_MAIN(KelvoInfoWidgetTest)
#include "kelvoinfowidget_test.moc"
