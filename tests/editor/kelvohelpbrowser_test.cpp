// The help window over the delivered help pages: navigation by clicking links and the tool
// buttons, every link and picture of every page found in every language, English for pages
// without translation, and an empty window without pages.
#include "kelvoconfig.h"
#include "kelvohelpbrowser.h"
#include "kelvotestdir.h"

#include <QAction>
#include <QDir>
#include <QQueue>
#include <QScopeGuard>
#include <QSet>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QToolBar>
#include <QtTest>

class KelvoHelpBrowserTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void navigation();
    void cleanup() { KelvoConfig::setUiLanguage(QStringLiteral("en")); }
    void everyPageLinksAndPicturesResolve_data();
    void everyPageLinksAndPicturesResolve();
    void untranslatedPageShowsEnglish();
    void withoutPagesTheWindowStaysEmpty();

private:
    void clickLink(KelvoHelpBrowser& help, const QString& text);
    void clickTool(KelvoHelpBrowser& help, QAction* action);

    QString m_kelvoDir;
};

void KelvoHelpBrowserTest::initTestCase() {
    // The pages as they are delivered: data/ is copied under KELVO_DIR as it is.
    m_kelvoDir = qEnvironmentVariable("KELVO_SOURCE_DATA");
    QVERIFY(QFile::exists(m_kelvoDir + QStringLiteral("help/helpIndex.html")));
    qputenv("KELVO_DIR", m_kelvoDir.toUtf8());
}

void KelvoHelpBrowserTest::clickLink(KelvoHelpBrowser& help, const QString& text) {
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

void KelvoHelpBrowserTest::clickTool(KelvoHelpBrowser& help, QAction* action) {
    QToolBar* toolBar = help.findChild<QToolBar*>(QStringLiteral("Toolbar"));
    QVERIFY(toolBar);
    QWidget* button = toolBar->widgetForAction(action);
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton);
}

void KelvoHelpBrowserTest::navigation() {
    KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                          KelvoHelpBrowser::installedSearchPaths(), QStringLiteral("helpBrowser"));
    help.resize(750, 550);
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Kelvo Help"));
    QVERIFY(!help.backwardAction()->isEnabled());
    QVERIFY(!help.forwardAction()->isEnabled());
    QVERIFY(help.homeAction()->isEnabled());

    clickLink(help, QStringLiteral("Opening a picture"));
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Opening a picture"));
    QVERIFY(help.backwardAction()->isEnabled());
    QVERIFY(!help.forwardAction()->isEnabled());

    clickLink(help, QStringLiteral("Marking a region"));
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Marking a region"));

    clickTool(help, help.backwardAction());
    clickTool(help, help.backwardAction());
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Kelvo Help"));
    QVERIFY(!help.backwardAction()->isEnabled());
    QVERIFY(help.forwardAction()->isEnabled());

    clickTool(help, help.forwardAction());
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Opening a picture"));
    clickTool(help, help.homeAction());
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Kelvo Help"));
    QVERIFY(help.backwardAction()->isEnabled());
}

void KelvoHelpBrowserTest::everyPageLinksAndPicturesResolve_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("contentsTitle");
    QTest::newRow("en") << "en"
                        << "Kelvo Help";
    QTest::newRow("de") << "de"
                        << "Kelvo-Hilfe";
    QTest::newRow("fr") << "fr"
                        << "Aide de Kelvo";
    QTest::newRow("es") << "es"
                        << "Ayuda de Kelvo";
    QTest::newRow("it") << "it"
                        << "Guida di Kelvo";
    QTest::newRow("nl") << "nl"
                        << "Help bij Kelvo";
}

void KelvoHelpBrowserTest::everyPageLinksAndPicturesResolve() {
    QFETCH(QString, language);
    QFETCH(QString, contentsTitle);
    KelvoConfig::setUiLanguage(language);
    KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                          KelvoHelpBrowser::installedSearchPaths(), QStringLiteral("helpBrowser"));
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
                    QVERIFY2(!browser->loadResource(QTextDocument::HtmlResource, target).isNull(),
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

void KelvoHelpBrowserTest::untranslatedPageShowsEnglish() {
    const QByteArray delivered = qgetenv("KELVO_DIR");
    auto restore = qScopeGuard([&] { qputenv("KELVO_DIR", delivered); });
    KelvoTestDir dir;
    QVERIFY(QDir().mkpath(dir.path(QStringLiteral("help/de"))));
    const QByteArray link = "<a href=\"other.html\">other</a></body></html>";
    dir.write(QStringLiteral("help/helpIndex.html"), "<html><title>Contents</title><body>" + link);
    dir.write(QStringLiteral("help/de/helpIndex.html"), "<html><title>Inhalt</title><body>" + link);
    dir.write(QStringLiteral("help/other.html"), "<html><title>Other</title><body/></html>");
    KelvoConfig::setUiLanguage(QStringLiteral("de"));
    KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                          KelvoHelpBrowser::installedSearchPaths(), QStringLiteral("helpBrowser"));
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Inhalt"));
    clickLink(help, QStringLiteral("other"));
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Other"));
    clickTool(help, help.homeAction());
    QCOMPARE(help.browser()->documentTitle(), QStringLiteral("Inhalt"));
}

void KelvoHelpBrowserTest::withoutPagesTheWindowStaysEmpty() {
    const QByteArray saved = qgetenv("KELVO_DIR");
    qunsetenv("KELVO_DIR");
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(elsewhere.path()));
    QCOMPARE(KelvoHelpBrowser::installedSearchPaths(),
             QStringList({QString(), QStringLiteral("help"), QStringLiteral("help/pixs")}));
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No document for"));
        KelvoHelpBrowser help(nullptr, KelvoHelpBrowser::homePage(),
                              KelvoHelpBrowser::installedSearchPaths(),
                              QStringLiteral("helpBrowser"));
        QVERIFY(help.browser()->document()->isEmpty());
        QVERIFY(!help.backwardAction()->isEnabled());
    }
    QDir::setCurrent(before);
    qputenv("KELVO_DIR", saved);
}

QTEST_MAIN(KelvoHelpBrowserTest)
#include "kelvohelpbrowser_test.moc"
