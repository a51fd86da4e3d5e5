// The help window: every link and picture of every delivered page found in every language;
// navigation by clicking links and the tool buttons, with English for pages without
// translation; an empty window without pages.
#include "kelvoconfig.h"
#include "kelvohelpbrowser.h"
#include "kelvotestdir.h"

#include <QAction>
#include <QDir>
#include <QQueue>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolBar>
#include <QtTest>

class KelvoHelpBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        // The pages as they are delivered: data/ is copied under KELVO_DIR as it is.
        m_kelvoDir = qEnvironmentVariable("KELVO_SOURCE_DATA");
        QVERIFY(QFile::exists(m_kelvoDir + QStringLiteral("help/helpIndex.html")));
    }

    void cleanup() { KelvoConfig::setUiLanguage(QStringLiteral("en")); }
    void everyPageLinksAndPicturesResolve_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("contentsTitle");
        const QList<QPair<QString, QString>> titles = {
            {"en", "Kelvo Help"},     {"de", "Kelvo-Hilfe"},    {"fr", "Aide de Kelvo"},
            {"es", "Ayuda de Kelvo"}, {"it", "Guida di Kelvo"}, {"nl", "Help bij Kelvo"}};
        for (const auto& [language, title] : titles) {
            QTest::newRow(qPrintable(language)) << language << title;
        }
    }

    void everyPageLinksAndPicturesResolve() {
        QFETCH(QString, language);
        QFETCH(QString, contentsTitle);
        qputenv("KELVO_DIR", m_kelvoDir.toUtf8());
        KelvoConfig::setUiLanguage(language);
        KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                              KelvoHelpBrowser::installedSearchPaths(),
                              QStringLiteral("helpBrowser"));
        QTextBrowser* browser = help.browser();
        QCOMPARE(browser->documentTitle(), contentsTitle);
        QSet<QString> visited;
        QQueue<QUrl> pages;
        pages.enqueue(browser->source());
        while (!pages.isEmpty()) {
            const QUrl page = pages.dequeue();
            if (visited.contains(page.fileName())) {
                continue;
            }
            visited.insert(page.fileName());
            browser->setSource(page);
            QVERIFY2(!browser->documentTitle().isEmpty(), qPrintable(page.toString()));
            for (QTextBlock block = browser->document()->begin(); block.isValid();
                 block = block.next()) {
                for (auto it = block.begin(); !it.atEnd(); ++it) {
                    const QTextCharFormat format = it.fragment().charFormat();
                    if (format.isImageFormat()) {
                        const QString name = format.toImageFormat().name();
                        const QVariant image =
                            browser->loadResource(QTextDocument::ImageResource, QUrl(name));
                        QVERIFY2(!image.isNull(), qPrintable(page.fileName() + ": " + name));
                    }
                    if (format.isAnchor() && !format.anchorHref().isEmpty()) {
                        const QUrl target = page.resolved(QUrl(format.anchorHref()));
                        QVERIFY2(
                            !browser->loadResource(QTextDocument::HtmlResource, target).isNull(),
                            qPrintable(page.fileName() + ": " + format.anchorHref()));
                        pages.enqueue(target);
                    }
                }
            }
        }
        // Every delivered page can be reached from the contents.
        const QStringList delivered =
            QDir(m_kelvoDir + QStringLiteral("help")).entryList({QStringLiteral("*.html")});
        QCOMPARE(QSet<QString>(delivered.begin(), delivered.end()), visited);
    }

    // Each step clicks a link or a tool button, then shows a page, with "B" and "F" for the back
    // and forward tools that are then enabled.
    void navigationWithEnglishForUntranslatedPages() {
        KelvoTestDir dir;
        QVERIFY(QDir().mkpath(dir.path(QStringLiteral("help/de"))));
        const QByteArray link = "<a href=\"other.html\">other</a></body></html>";
        dir.write(QStringLiteral("help/helpIndex.html"),
                  "<html><title>Contents</title><body>" + link);
        dir.write(QStringLiteral("help/de/helpIndex.html"),
                  "<html><title>Inhalt</title><body>" + link);
        dir.write(QStringLiteral("help/other.html"), "<html><title>Other</title><body/></html>");
        KelvoConfig::setUiLanguage(QStringLiteral("de"));
        KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                              KelvoHelpBrowser::installedSearchPaths(),
                              QStringLiteral("helpBrowser"));
        help.show();
        QVERIFY(QTest::qWaitForWindowExposed(&help));
        const QList<std::tuple<QString, QAction*, QString>> steps = {
            {{}, nullptr, "Inhalt --"},
            {"other", nullptr, "Other B-"},
            {{}, help.backwardAction(), "Inhalt -F"},
            {{}, help.forwardAction(), "Other B-"},
            {{}, help.homeAction(), "Inhalt B-"}};
        for (const auto& [text, tool, shown] : steps) {
            if (tool) {
                clickTool(help, tool);
            } else if (!text.isEmpty()) {
                clickLink(help, text);
            }
            QCOMPARE(help.browser()->documentTitle() + QLatin1Char(' ') +
                         QLatin1Char(help.backwardAction()->isEnabled() ? 'B' : '-') +
                         QLatin1Char(help.forwardAction()->isEnabled() ? 'F' : '-'),
                     shown);
        }
    }

    void withoutPagesTheWindowStaysEmpty() {
        KelvoTestDir elsewhere;
        QVERIFY(elsewhere.enterWithoutKelvoDir());
        QCOMPARE(KelvoHelpBrowser::installedSearchPaths(),
                 QStringList({QString(), QStringLiteral("help"), QStringLiteral("help/pixs")}));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No document for"));
        KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                              KelvoHelpBrowser::installedSearchPaths(),
                              QStringLiteral("helpBrowser"));
        QVERIFY(help.browser()->document()->isEmpty());
        QVERIFY(!help.backwardAction()->isEnabled());
    }

private:
    void clickLink(KelvoHelpBrowser& help, const QString& text) {
        QTextBrowser* browser = help.browser();
        const QTextCursor found = browser->document()->find(text);
        QVERIFY2(!found.isNull(), qPrintable(text));
        QTextCursor inside(browser->document());
        inside.setPosition((found.selectionStart() + found.selectionEnd()) / 2);
        browser->setTextCursor(inside);
        browser->ensureCursorVisible();
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {},
                          browser->cursorRect(inside).center());
    }

    void clickTool(KelvoHelpBrowser& help, QAction* action) {
        QToolBar* toolBar = help.findChild<QToolBar*>(QStringLiteral("Toolbar"));
        QVERIFY(toolBar);
        QWidget* button = toolBar->widgetForAction(action);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString m_kelvoDir;
};

QTEST_MAIN(KelvoHelpBrowserTest)
#include "kelvohelpbrowser_test.moc"
