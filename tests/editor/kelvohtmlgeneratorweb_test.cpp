// The HTML generator's web viewer form, chosen and left again with the mouse as a user does:
// the text for beach.png of 320 x 200 with a link, byte for byte.
#include "kelvohtmlcode.h"
#include "kelvohtmlgenerator.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

class KelvoHTMLGeneratorWebTest : public QObject {
    Q_OBJECT
private slots:
    void webViewerFormFollowsTheFields();
};

void KelvoHTMLGeneratorWebTest::webViewerFormFollowsTheFields() {
    KelvoHTMLGenerator dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.setPicture(QStringLiteral("pics/beach.png"), 320, 200);
    QTest::mouseClick(dialog.webCheck(), Qt::LeftButton);
    QCOMPARE(dialog.resultEdit()->toPlainText(),
             QStringLiteral("<script src=\"kelvo-web.js\" defer></script>\n"
                            "<img src=\"pics/beach.png\" width=\"320\" height=\"200\" "
                            "alt=\"beach.png\" data-kelvo>"));
    QTest::mouseClick(dialog.linkCheck(), Qt::LeftButton);
    QTest::keyClicks(dialog.linkEdit(), QStringLiteral("sea.html?a=1&b=\"2\""));
    QCOMPARE(dialog.resultEdit()->toPlainText(),
             QStringLiteral("<script src=\"kelvo-web.js\" defer></script>\n"
                            "<img src=\"pics/beach.png\" width=\"320\" height=\"200\" "
                            "alt=\"beach.png\" data-kelvo\n"
                            "     data-href=\"sea.html?a=1&amp;b=&quot;2&quot;\">"));
    // Back to the plug-in's form, now with the link.
    QTest::mouseClick(dialog.webCheck(), Qt::LeftButton);
    QCOMPARE(dialog.resultEdit()->toPlainText(),
             kelvoHtmlCode(QStringLiteral("pics/beach.png"), QStringLiteral("320"),
                           QStringLiteral("200"), true, dialog.linkEdit()->text()));
}

QTEST_MAIN(KelvoHTMLGeneratorWebTest)
#include "kelvohtmlgeneratorweb_test.moc"
