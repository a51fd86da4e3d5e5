// The HTML generator: the text for beach.png of 320 x 200 byte for byte, without and with a
// link, typed into the dialog as a user does, in the plug-in's form and the web viewer's; the
// size fields' limits; the clipboard.
#include "kelvodialogscript.h"
#include "kelvohtmlcode.h"
#include "kelvohtmlgenerator.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <QtTest>

namespace {

// Raw string literals would hide the test class from moc.
const char* const BeachWithoutLink =
    "<script src=\"KelvoPluginTest.js\" type=\"text/javascript\">\n"
    "</script>\n"
    "<script type=\"text/javascript\">\n"
    "<!--\n"
    "  document.writeln( kelvo( \"beach.png\", 320, 200 ) );\n"
    "//-->\n"
    "</script>\n"
    "<noscript>\n"
    "    <embed type=\"application/kelvo\" kelvo=\"beach.png\" width=\"320\" height=\"200\">\n"
    "</noscript>";

const char* const BeachWithLink =
    "<script src=\"KelvoPluginTest.js\" type=\"text/javascript\">\n"
    "</script>\n"
    "<script type=\"text/javascript\">\n"
    "<!--\n"
    "  document.writeln( kelvo( \"beach.png\", 320, 200, \"http://example.org/sea.html\" ) );\n"
    "//-->\n"
    "</script>\n"
    "<noscript>\n"
    "    <embed type=\"application/kelvo\" kelvo=\"beach.png\" width=\"320\" height=\"200\"\n"
    "           href=\"http://example.org/sea.html\">\n"
    "</noscript>";

} // namespace

class KelvoHTMLGeneratorTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_dialog = std::make_unique<KelvoHTMLGenerator>();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }
    // Without a link first, copied whole; the link field is only writable while its check box is
    // on. Closing only hides: the check box is still on when the dialog comes back. Then a
    // picture too large for the plug-in.
    void beach() {
        m_dialog->setPicture(QStringLiteral("beach.png"), 320, 200);
        QCOMPARE(result(), QString::fromLatin1(BeachWithoutLink));
        QGuiApplication::clipboard()->clear();
        KelvoDialogScript::clickLabelled(m_dialog.get(), QStringLiteral("Copy all"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromLatin1(BeachWithoutLink));
        QVERIFY(m_dialog->linkEdit()->isReadOnly());
        QTest::mouseClick(m_dialog->linkCheck(), Qt::LeftButton);
        QVERIFY(!m_dialog->linkEdit()->isReadOnly());
        QTest::keyClicks(m_dialog->linkEdit(), QStringLiteral("http://example.org/sea.html"));
        QCOMPARE(result(), QString::fromLatin1(BeachWithLink));
        KelvoDialogScript::clickLabelled(m_dialog.get(), QStringLiteral("Close"));
        QVERIFY(!m_dialog->isVisible());
        m_dialog->show();
        QVERIFY(m_dialog->linkCheck()->isChecked());

        // Off again: the link stays in its field, read-only, and out of the text.
        QTest::mouseClick(m_dialog->linkCheck(), Qt::LeftButton);
        QVERIFY(m_dialog->linkEdit()->isReadOnly());
        QCOMPARE(result(), QString::fromLatin1(BeachWithoutLink));
        QCOMPARE(m_dialog->linkEdit()->text(), QStringLiteral("http://example.org/sea.html"));

        // The plug-in is told at most 3600 pixels a side; a larger picture keeps its proportions.
        m_dialog->setPicture(QStringLiteral("wide.png"), 48000, 1200);
        QCOMPARE(m_dialog->widthEdit()->text(), QStringLiteral("3600"));
        QCOMPARE(m_dialog->heightEdit()->text(), QStringLiteral("90"));
        m_dialog->setPicture(QStringLiteral("thin.png"), 1, 100000);
        QCOMPARE(m_dialog->widthEdit()->text(), QStringLiteral("1"));
        QCOMPARE(m_dialog->heightEdit()->text(), QStringLiteral("3600"));
    }

    void sizeFieldsTakeWholeNumbersOnly_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("digits") << QStringLiteral("640") << QStringLiteral("640");
        QTest::newRow("letters and signs dropped")
            << QStringLiteral("6a4-0.5") << QStringLiteral("640");
        QTest::newRow("largest") << QStringLiteral("3600") << QStringLiteral("3600");
        QTest::newRow("five digits refused") << QStringLiteral("36001") << QStringLiteral("3600");
        QTest::newRow("beyond the largest refused")
            << QStringLiteral("9999") << QStringLiteral("999");
        QTest::newRow("just beyond") << QStringLiteral("3601") << QStringLiteral("360");
        QTest::newRow("zero refused") << QStringLiteral("0") << QString();
        QTest::newRow("leading zero refused") << QStringLiteral("0640") << QStringLiteral("640");
        QTest::newRow("group separator refused")
            << QStringLiteral("1,000") << QStringLiteral("1000");
        QTest::newRow("nothing") << QString() << QString();
    }

    void sizeFieldsTakeWholeNumbersOnly() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        m_dialog->setPicture(QStringLiteral("beach.png"), 320, 200);
        for (QLineEdit* edit : {m_dialog->widthEdit(), m_dialog->heightEdit()}) {
            edit->selectAll();
            QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, typed);
            QCOMPARE(edit->text(), kept);
        }
        // An emptied field leaves an empty value in the text.
        QCOMPARE(result(),
                 kelvoHtmlCode(QStringLiteral("beach.png"), kept, kept, false, QString()));
    }

    // Chosen and left again with the mouse; the link goes in escaped.
    void webViewerFormFollowsTheFields() {
        m_dialog->setPicture(QStringLiteral("pics/beach.png"), 320, 200);
        QTest::mouseClick(m_dialog->webCheck(), Qt::LeftButton);
        QCOMPARE(result(),
                 QStringLiteral("<script src=\"kelvo-web.js\" defer></script>\n"
                                "<img src=\"pics/beach.png\" width=\"320\" height=\"200\" "
                                "alt=\"beach.png\" data-kelvo>"));
        QTest::mouseClick(m_dialog->linkCheck(), Qt::LeftButton);
        const QString link = QStringLiteral("sea.html?a=1&b=\"2\"");
        QTest::keyClicks(m_dialog->linkEdit(), link);
        QCOMPARE(result(), kelvoWebHtmlCode("pics/beach.png", "320", "200", true, link));
        // Back to the plug-in's form, now with the link.
        QTest::mouseClick(m_dialog->webCheck(), Qt::LeftButton);
        QCOMPARE(result(), kelvoHtmlCode("pics/beach.png", "320", "200", true, link));
    }

private:
    QString result() const { return m_dialog->resultEdit()->toPlainText(); }

    std::unique_ptr<KelvoHTMLGenerator> m_dialog;
};

QTEST_MAIN(KelvoHTMLGeneratorTest)
#include "kelvohtmlgenerator_test.moc"
