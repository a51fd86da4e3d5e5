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

    void placement_data() {
        QTest::addColumn<QSize>("parent");
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<bool>("withOk");
        QTest::addColumn<QRect>("geometry");

        QTest::newRow("centred") << QSize(400, 300) << QSize(100, 60) << false
                                 << QRect(150, 120, 100, 60);
        QTest::newRow("odd sizes round down")
            << QSize(401, 301) << QSize(100, 61) << false << QRect(150, 120, 100, 61);
        QTest::newRow("larger than the parent")
            << QSize(100, 100) << QSize(151, 120) << false << QRect(-25, -10, 151, 120);
        QTest::newRow("no parent") << QSize() << QSize(80, 50) << false << QRect(0, 0, 80, 50);
        QTest::newRow("with OK button")
            << QSize(400, 300) << QSize(200, 150) << true << QRect(100, 75, 200, 150);
    }

    void placement() {
        QFETCH(QSize, parent);
        QFETCH(QSize, picture);
        QFETCH(bool, withOk);
        QFETCH(QRect, geometry);

        QWidget window;
        window.resize(parent);
        KelvoInfoWidget info(parent.isValid() ? &window : nullptr, QStringLiteral("aboutWidget"));
        QVERIFY(info.showPicture(this->picture(picture), withOk));
        QCOMPARE(info.geometry(), geometry);
        QCOMPARE(info.okButton() != nullptr, withOk);
        for (const char* name : {"broken.png", "missing.png"}) {
            QVERIFY(!info.showPicture(m_dir.filePath(QLatin1String(name)), !withOk));
            QCOMPARE(info.geometry(), geometry);
            QCOMPARE(info.okButton() != nullptr, withOk);
        }
        if (withOk) {
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(info.isVisible());
            QTest::mouseClick(info.okButton(), Qt::LeftButton);
            QVERIFY(!info.isVisible());
        }
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
