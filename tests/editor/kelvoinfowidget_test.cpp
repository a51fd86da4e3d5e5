// The start and about pictures: placed centred over the parent, with an OK button that hides
// them; an unreadable file leaves the widget alone.
#include "kelvoinfowidget.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

class KelvoInfoWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(m_dir.isValid()); }
    void placement_data();
    void placement();
    void okButtonHides();
    void unreadableFileChangesNothing();

private:
    QString picture(QSize size) const;

    QTemporaryDir m_dir;
};

QString KelvoInfoWidgetTest::picture(QSize size) const {
    const QString name =
        m_dir.filePath(QStringLiteral("%1x%2.png").arg(size.width()).arg(size.height()));
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(name, "PNG");
    return name;
}

void KelvoInfoWidgetTest::placement_data() {
    QTest::addColumn<QSize>("parent");
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("centred") << QSize(400, 300) << QSize(100, 60) << QRect(150, 120, 100, 60);
    QTest::newRow("odd sizes round down")
        << QSize(401, 301) << QSize(100, 61) << QRect(150, 120, 100, 61);
    QTest::newRow("larger than the parent")
        << QSize(100, 100) << QSize(151, 120) << QRect(-25, -10, 151, 120);
    QTest::newRow("no parent") << QSize() << QSize(80, 50) << QRect(0, 0, 80, 50);
}

void KelvoInfoWidgetTest::placement() {
    QFETCH(QSize, parent);
    QFETCH(QSize, picture);
    QFETCH(QRect, geometry);

    QWidget window;
    window.resize(parent);
    KelvoInfoWidget info(parent.isValid() ? &window : nullptr, QStringLiteral("startWidget"));
    QVERIFY(info.showPicture(this->picture(picture), false));
    QCOMPARE(info.geometry(), geometry);
    QVERIFY(!info.okButton());
}

void KelvoInfoWidgetTest::okButtonHides() {
    QWidget window;
    window.resize(400, 300);
    KelvoInfoWidget info(&window, QStringLiteral("aboutWidget"));
    QVERIFY(info.showPicture(picture(QSize(200, 150)), true));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(info.isVisible());
    QPushButton* ok = info.okButton();
    QVERIFY(ok);
    QTest::mouseClick(ok, Qt::LeftButton);
    QVERIFY(!info.isVisible());
}

void KelvoInfoWidgetTest::unreadableFileChangesNothing() {
    QWidget window;
    window.resize(400, 300);
    KelvoInfoWidget info(&window, QStringLiteral("aboutWidget"));
    QVERIFY(info.showPicture(picture(QSize(100, 60)), false));
    const QString broken = m_dir.filePath(QStringLiteral("broken.png"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1a\n truncated");
    file.close();
    for (const QString& name : {broken, m_dir.filePath(QStringLiteral("missing.png"))}) {
        QVERIFY(!info.showPicture(name, true));
        QCOMPARE(info.geometry(), QRect(150, 120, 100, 60));
        QVERIFY(!info.okButton());
    }
}

QTEST_MAIN(KelvoInfoWidgetTest)
#include "kelvoinfowidget_test.moc"
