// The room of each region in the data manager, live as regions are drawn and data attached:
// figures, the marks of data that do not fit or would show, Generate naming the region that
// does not fit by its row's name, and the done dialog naming the regions whose data show.
#include "encodertestsupport.h"
#include "kelvodatamanagewidget.h"
#include "kelvodialogscript.h"
#include "kelvoencdonedlg.h"
#include "kelvoimgencodewidget.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

using Room = KelvoDataManageWidgetItem::Room;

namespace {

// Characters in no order, which compression hardly shortens.
QString noise(int length) {
    QRandomGenerator random(3);
    QString text;
    for (int i = 0; i < length; ++i) {
        text += QLatin1Char(char('!' + random.bounded(94)));
    }
    return text;
}

} // namespace

class KelvoRegionRoomTest : public QObject {
    Q_OBJECT

private slots:
    void roomsFromDrawingToSaving() {
        KelvoImgEncodeWidget encoder;
        QVERIFY(encoder.setImage(EncoderTest::plainPicture(240, 180), QStringLiteral("p.png")));
        encoder.setFixedSize(240, 180);
        encoder.show();
        QVERIFY(QTest::qWaitForWindowExposed(&encoder));
        const auto region = [&encoder](const QRect& rect, const QString& text) {
            EncoderTest::dragRect(&encoder, rect);
            encoder.attacher().attachText(text);
        };
        KelvoDataManageWidget* manager = encoder.dataManager();
        region(QRect(20, 20, 60, 40), QStringLiteral("harbour"));
        region(QRect(100, 20, 10, 10), noise(150));
        region(QRect(140, 20, 10, 10), noise(400));
        QTRY_COMPARE(manager->row(3)->room(), Room::DoesNotFit);
        QCOMPARE(manager->row(1)->room(), Room::Fits);
        QCOMPARE(manager->row(2)->room(), Room::Shows);
        const KelvoRegionCapacity& first = encoder.generation().rooms().at(1).capacity;
        QCOMPARE(manager->row(1)->roomText(),
                 QStringLiteral("%1 / %2 B, level 1").arg(first.bytes).arg(first.room));
        QVERIFY(manager->row(3)->roomText().endsWith(QStringLiteral("too much")));

        // Generate names the region that does not fit as its row does.
        KelvoDialogScript refusal;
        QString message;
        EncoderTest::answerMessage(refusal, &message);
        QCOMPARE(encoder.generateCodedImage(), KelvoImgEncodeWidget::Generation::Failed);
        QVERIFY2(refusal.done(), qPrintable(refusal.failure()));
        QVERIFY2(message.contains(QStringLiteral("Data 3: too small for its data")),
                 qPrintable(message));

        // Without it, the done dialog names the region whose data show.
        QTest::mouseClick(manager->row(3)->findChild<QPushButton*>(), Qt::LeftButton);
        QTRY_COMPARE(manager->rowCount(), 2);
        QTemporaryDir dir;
        QString notice;
        KelvoDialogScript saving;
        saving.then<KelvoEncDoneDlg>([&notice](KelvoEncDoneDlg* done) {
            notice = done->findChild<QLabel*>(QStringLiteral("notice"))->text();
            KelvoDialogScript::click(done, QStringLiteral("save"));
        });
        EncoderTest::chooseFile(saving, dir.filePath(QStringLiteral("coded.png")));
        QCOMPARE(encoder.generateCodedImage(), KelvoImgEncodeWidget::Generation::Saved);
        QVERIFY2(saving.done(), qPrintable(saving.failure()));
        QVERIFY2(notice.contains(QStringLiteral("Data 2")) &&
                     !notice.contains(QStringLiteral("Data 1")),
                 qPrintable(notice));
    }
};

QTEST_MAIN(KelvoRegionRoomTest)
#include "kelvoregionroom_test.moc"
