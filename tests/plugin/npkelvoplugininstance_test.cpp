// The plug-in instance driven as the browser drives it: parameters, requests, stream
// callbacks, the error display and the link of a failed window. (The progress bar per chunk is
// checked through the host, which streams in chunks of any size.)
#include "kelvonppluginviewerwidget.h"
#include "kelvopluginprogressbar.h"
#include "npkelvoplugininstance.h"
#include "npkelvopluginwidget.h"
#include "pluginstream.h"
#include "viewertestdata.h"

#include <QBuffer>
#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

using Parameters = PluginInstance::Parameters;

// What the plug-in asked of the browser: requests as "notify <url>" or "get <url> in <target>".
struct BrowserLog {
    QStringList requests;
    QStringList statuses;
    bool refuse = false;
};

BrowserLog browserLog;

NPError record(const char* url, const char* target, bool notify) {
    browserLog.requests << (notify ? "notify " : "get ") + QString::fromUtf8(url) +
                               (target ? " in " + QString::fromUtf8(target) : QString());
    return browserLog.refuse ? NPERR_GENERIC_ERROR : NPERR_NO_ERROR;
}

NPNetscapeFuncs browserTable() {
    NPNetscapeFuncs t{};
    t.size = sizeof(t);
    t.geturl = [](NPP, const char* url, const char* target) { return record(url, target, false); };
    t.geturlnotify = [](NPP, const char* url, const char* target, void*) {
        return record(url, target, true);
    };
    t.status = [](NPP, const char* text) { browserLog.statuses << QString::fromUtf8(text); };
    return t;
}

const NPNetscapeFuncs browser = browserTable();

const QString ErrorText = QStringLiteral(" Kelvo plugin >> an error occured, while loading the "
                                         "image! Propably the image link is broken.");

// One instance on a page, its window shown as a top-level window.
class Page {
public:
    explicit Page(const Parameters& parameters, bool refuseRequests = false) {
        browserLog = BrowserLog{};
        browserLog.refuse = refuseRequests;
        m_instance->bind(&m_npp, &browser, parameters);
        m_instance->setWindow(nullptr);
    }

    NPKelvoPluginInstance& instance() { return *m_instance; }
    NPKelvoPluginWidget& window() { return *m_instance->window(); }

    // A stream the instance accepted in normal mode; null otherwise.
    std::unique_ptr<PluginStream> open(const QString& url = QStringLiteral("pic.png")) {
        const QByteArray name = url.toUtf8();
        NPStream np{};
        np.url = name.constData();
        auto stream =
            std::make_unique<PluginStream>(m_instance.get(), np, "application/kelvo", false);
        PluginInstance::StreamMode mode = PluginInstance::StreamMode::Seek;
        if (!m_instance->newStreamCreated(stream.get(), mode) ||
            mode != PluginInstance::StreamMode::Normal)
            return nullptr;
        return stream;
    }

    // A whole stream in chunks of 50 bytes, each within what the instance said it takes, ended
    // with `reason` and followed by the URL notification.
    void deliver(const QByteArray& data, NPReason reason, const QString& url) {
        const auto stream = open(url);
        QVERIFY(stream);
        for (qsizetype at = 0; at < data.size(); at += 50) {
            const int32_t length = int32_t(std::min<qsizetype>(50, data.size() - at));
            QVERIFY(length <= m_instance->writeReady(stream.get()));
            QCOMPARE(m_instance->write(stream.get(), int32_t(at), length, data.constData() + at),
                     length);
        }
        stream->finish(reason);
        m_instance->streamDestroyed(stream.get());
        m_instance->notifyURL(url, PluginInstance::reasonFromCode(reason), nullptr);
    }

    // The error text alone, without viewer or progress bar.
    void verifyErrorDisplay() {
        QVERIFY(window().hasError());
        QCOMPARE(window().statusLabel2()->text(), ErrorText);
        QVERIFY(!window().viewer()->isVisibleTo(&window()));
        QVERIFY(!window().progressBar()->isVisibleTo(&window()));
    }

private:
    NPP_t m_npp{};
    std::unique_ptr<NPKelvoPluginInstance> m_instance = std::make_unique<NPKelvoPluginInstance>();
};

Parameters kelvo(const QString& url, Parameters more = {}) {
    more.prepend({QStringLiteral("kelvo"), url});
    return more;
}

} // namespace

class NPKelvoPluginInstanceTest : public QObject {
    Q_OBJECT
private slots:
    // The picture is asked for when "kelvo" names it; otherwise the first status line says why not.
    // Width and height parameters give the page extent.
    void parameters() {
        const QString loading = QStringLiteral(" Kelvo plugin >> try loading: ");
        const QString noUrl = QStringLiteral(" No image url specified in parameter 'kelvo'! ");
        const QString noSrc = QStringLiteral(" The parameter 'src' is not allowed! ");
        const std::tuple<Parameters, QString, QStringList> rows[] = {
            {kelvo("pic.png"), loading + "pic.png", {"notify pic.png"}},
            {Parameters{{"KeLvO", "a b.png"}}, loading + "a b.png", {"notify a b.png"}},
            {kelvo("pic.png", {{"SRC", "x.png"}}), noSrc, {}},
            {Parameters{{"src", QString()}}, noSrc, {}},
            {kelvo(QString()), noUrl, {}},
            {kelvo(" \t "), noUrl, {}},
            {Parameters{{"width", "10"}}, " No parameter 'kelvo' specified! ", {}}};
        for (const auto& [parameters, message, requests] : rows) {
            Page page(parameters);
            QCOMPARE(page.window().statusLabel1()->text(), message);
            QCOMPARE(browserLog.requests, requests);
            QCOMPARE(page.instance().isLoading(), !requests.isEmpty());
            QVERIFY(!page.window().hasError());
        }
        // A request the browser refuses shows the error.
        Page refused(kelvo("pic.png"), true);
        QCOMPARE(browserLog.requests, QStringList{"notify pic.png"});
        QVERIFY(!refused.instance().isLoading());
        refused.verifyErrorDisplay();

        // Width and height as the page gives them.
        const QList<QPair<QString, int>> cases{{"200", 200}, {"200px", 200}, {" 64 ", 64},
                                               {"", 0},      {"wide", 0},    {"-40", 0}};
        for (const auto& [text, extent] : cases)
            QCOMPARE(NPKelvoPluginInstance::pageExtent(text), extent);
        QCOMPARE(NPKelvoPluginInstance::pageExtent(QString(30, '9')),
                 NPKelvoPluginInstance::kMaxPageExtent);
    }

    // A stream that ends with a whole picture shows it with the place it came from; one that is
    // broken off leaves the error text alone. Either way the status line is cleared. (A stream
    // that is no picture, or a truncated or empty one, is the host's "not a picture" row: the
    // picture reader refuses them alike.)
    void loads() {
        const QString url = QStringLiteral("file:///pages/pic.png");
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(ViewerTestData::picture({64, 48}).save(&buffer, "PNG"));
        const std::tuple<QByteArray, NPReason, bool> rows[] = {
            // data, reason, shown
            {png, NPRES_DONE, true},
            {png.left(100), NPRES_NETWORK_ERR, false},
            {png, NPRES_USER_BREAK, false}};
        for (const auto& [data, reason, shown] : rows) {
            Page page(kelvo("pic.png"));
            page.deliver(data, reason, url);
            QCOMPARE(browserLog.statuses.last(), QString());
            QVERIFY(!page.instance().isLoading());
            if (shown) {
                QVERIFY(!page.window().hasError());
                QCOMPARE(page.window().viewer()->fileLocation(), url);
                continue;
            }
            page.verifyErrorDisplay();
            QVERIFY(page.instance().image().isNull());
            QVERIFY(!page.window().viewer()->isLoaded());
        }
    }

    void dataBeyondLimitEndLoad() {
        Page page(kelvo("pic.png"));
        const auto stream = page.open();
        QVERIFY(stream);
        QCOMPARE(page.window().statusLabel2()->text(), " Kelvo plugin >> receiving:  ");
        const QByteArray chunk(16 << 20, '\0');
        qint64 written = 0;
        for (; written + chunk.size() <= NPKelvoPluginInstance::kMaxImageBytes;
             written += chunk.size())
            QCOMPARE(page.instance().write(stream.get(), int32_t(written), int32_t(chunk.size()),
                                           chunk.constData()),
                     int32_t(chunk.size()));
        QVERIFY(!page.window().hasError());
        QCOMPARE(page.instance().write(stream.get(), int32_t(written), 1, chunk.constData()), -1);
        page.verifyErrorDisplay();
        // Whatever the browser sends afterwards is refused, and the end changes nothing.
        QCOMPARE(page.instance().write(stream.get(), int32_t(written), 1, chunk.constData()), -1);
        stream->finish(NPRES_DONE);
        page.instance().streamDestroyed(stream.get());
        page.verifyErrorDisplay();
    }

    // A click on a failed window opens its link in its target, and the status line names the link
    // while the pointer is over the window; without a link nothing happens. (The default target is
    // the host's "broken link" row.)
    void failedWindowFollowsLink() {
        const QString href = QStringLiteral("http://example.org/a");
        for (const bool linked : {true, false}) {
            Page page(kelvo("missing.png", linked ? Parameters{{"HREF", href}, {"Target", "frame2"}}
                                                  : Parameters{}));
            page.instance().notifyURL("missing.png", PluginInstance::Reason::Error, nullptr);
            page.verifyErrorDisplay();
            browserLog = BrowserLog{};
            NPKelvoPluginWidget& window = page.window();
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QCoreApplication::sendEvent(&window, &enter);
            QEvent leave(QEvent::Leave);
            QCoreApplication::sendEvent(&window, &leave);
            QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5));
            QCOMPARE(browserLog.statuses, linked ? QStringList({href, QString()}) : QStringList());
            QCOMPARE(browserLog.requests,
                     linked ? QStringList{"get " + href + " in frame2"} : QStringList());
            QCOMPARE(window.cursor().shape(), linked ? Qt::PointingHandCursor : Qt::ArrowCursor);
        }
    }
};

QTEST_MAIN(NPKelvoPluginInstanceTest)
#include "npkelvoplugininstance_test.moc"
