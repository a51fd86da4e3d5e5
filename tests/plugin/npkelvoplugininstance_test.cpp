// The plug-in instance driven as the browser drives it: parameters, requests, stream
// callbacks, progress, the error display and the link of a failed window.
#include "kelvonppluginviewerwidget.h"
#include "kelvopluginprogressbar.h"
#include "npkelvoplugininstance.h"
#include "npkelvopluginwidget.h"
#include "pluginstream.h"
#include "plugintestdata.h"

#include <QLabel>
#include <QtTest>

#include <memory>

namespace {

using Parameters = PluginInstance::Parameters;

// What the plug-in asked of the browser.
struct BrowserLog {
    struct Request {
        QString url;
        QString target; // null without one
        bool notify;
    };
    QList<Request> requests;
    QStringList statuses;
    bool refuse = false;
};

BrowserLog browserLog;

NPError record(const char* url, const char* target, bool notify) {
    browserLog.requests.append(
        {QString::fromUtf8(url), target ? QString::fromUtf8(target) : QString(), notify});
    return browserLog.refuse ? NPERR_GENERIC_ERROR : NPERR_NO_ERROR;
}

const NPNetscapeFuncs* browser() {
    static const NPNetscapeFuncs table = [] {
        NPNetscapeFuncs t{};
        t.size = sizeof(t);
        t.geturl = [](NPP, const char* url, const char* target) {
            return record(url, target, false);
        };
        t.geturlnotify = [](NPP, const char* url, const char* target, void*) {
            return record(url, target, true);
        };
        t.status = [](NPP, const char* message) {
            browserLog.statuses.append(QString::fromUtf8(message));
        };
        return t;
    }();
    return &table;
}

const QString ErrorText = QStringLiteral(" Kelvo plugin >> an error occured, while loading the "
                                         "image! Propably the image link is broken.");

// One instance on a page, its window shown as a top-level window.
class Page {
public:
    explicit Page(const Parameters& parameters) {
        browserLog = BrowserLog{};
        m_instance->bind(&m_npp, browser(), parameters);
        m_instance->setWindow(nullptr);
    }

    NPKelvoPluginInstance& instance() { return *m_instance; }
    NPKelvoPluginWidget& window() { return *m_instance->window(); }

    // Delivers `data` in chunks of `chunk` bytes and ends the stream with `reason`, followed
    // by the URL notification.
    void deliver(const QByteArray& data, int chunk, NPReason reason = NPRES_DONE,
                 const QString& url = QStringLiteral("pic.png")) {
        const QByteArray name = url.toUtf8();
        NPStream np{};
        np.url = name.constData();
        PluginStream stream(m_instance.get(), np, "application/kelvo", false);
        PluginInstance::StreamMode mode = PluginInstance::StreamMode::Seek;
        QVERIFY(m_instance->newStreamCreated(&stream, mode));
        QCOMPARE(mode, PluginInstance::StreamMode::Normal);
        for (qsizetype at = 0; at < data.size(); at += chunk) {
            const int32_t length = int32_t(std::min<qsizetype>(chunk, data.size() - at));
            QVERIFY(length <= m_instance->writeReady(&stream));
            QCOMPARE(m_instance->write(&stream, int32_t(at), length, data.constData() + at),
                     length);
        }
        stream.finish(reason);
        m_instance->streamDestroyed(&stream);
        m_instance->notifyURL(url, PluginInstance::reasonFromCode(reason), nullptr);
    }

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
    void parameters_data();
    void parameters();
    void pageExtent_data();
    void pageExtent();
    void refusedRequestShowsError();
    void progressByChunks_data();
    void progressByChunks();
    void completeStreamShowsPicture();
    void pageWithoutSizeShowsOwnSize();
    void failedLoads_data();
    void failedLoads();
    void dataBeyondLimitEndLoad();
    void failedWindowFollowsLink_data();
    void failedWindowFollowsLink();
};

void NPKelvoPluginInstanceTest::parameters_data() {
    QTest::addColumn<Parameters>("parameters");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("requested");

    const QString tryLoading = QStringLiteral(" Kelvo plugin >> try loading: ");
    QTest::newRow("kelvo") << kelvo(QStringLiteral("pic.png")) << tryLoading + "pic.png"
                           << "pic.png";
    QTest::newRow("names ignore case")
        << Parameters{{QStringLiteral("KeLvO"), QStringLiteral("a b.png")}}
        << tryLoading + "a b.png"
        << "a b.png";
    QTest::newRow("src beside kelvo")
        << kelvo(QStringLiteral("pic.png"), {{QStringLiteral("SRC"), QStringLiteral("x.png")}})
        << " The parameter 'src' is not allowed! " << QString();
    QTest::newRow("empty src") << Parameters{{QStringLiteral("src"), QString()}}
                               << " The parameter 'src' is not allowed! " << QString();
    QTest::newRow("empty kelvo") << kelvo(QString())
                                 << " No image url specified in parameter 'kelvo'! " << QString();
    QTest::newRow("blank kelvo") << kelvo(QStringLiteral(" \t "))
                                 << " No image url specified in parameter 'kelvo'! " << QString();
    QTest::newRow("no kelvo") << Parameters{{QStringLiteral("width"), QStringLiteral("10")}}
                              << " No parameter 'kelvo' specified! " << QString();
}

void NPKelvoPluginInstanceTest::parameters() {
    QFETCH(Parameters, parameters);
    QFETCH(QString, message);
    QFETCH(QString, requested);
    Page page(parameters);
    QCOMPARE(page.window().statusLabel1()->text(), message);
    QCOMPARE(page.instance().isLoading(), !requested.isNull());
    if (requested.isNull()) {
        QVERIFY(browserLog.requests.isEmpty());
        return;
    }
    QCOMPARE(browserLog.requests.size(), 1);
    QCOMPARE(browserLog.requests[0].url, requested);
    QVERIFY(browserLog.requests[0].target.isNull());
    QVERIFY(browserLog.requests[0].notify);
    QVERIFY(!page.window().hasError());
}

void NPKelvoPluginInstanceTest::pageExtent_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("extent");
    QTest::newRow("digits") << "200" << 200;
    QTest::newRow("unit after digits") << "200px" << 200;
    QTest::newRow("spaces around") << " 64 " << 64;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("letters") << "wide" << 0;
    QTest::newRow("negative") << "-40" << 0;
    QTest::newRow("huge") << "123456789012345678901234567890"
                          << NPKelvoPluginInstance::kMaxPageExtent;
}

void NPKelvoPluginInstanceTest::pageExtent() {
    QFETCH(QString, text);
    QFETCH(int, extent);
    QCOMPARE(NPKelvoPluginInstance::pageExtent(text), extent);
}

void NPKelvoPluginInstanceTest::refusedRequestShowsError() {
    browserLog.refuse = true;
    NPP_t npp{};
    NPKelvoPluginInstance instance;
    instance.bind(&npp, browser(), kelvo(QStringLiteral("pic.png")));
    browserLog.refuse = true;
    instance.setWindow(nullptr);
    QVERIFY(!instance.isLoading());
    QVERIFY(instance.window()->hasError());
    QCOMPARE(instance.window()->statusLabel2()->text(), ErrorText);
    browserLog.refuse = false;
}

void NPKelvoPluginInstanceTest::progressByChunks_data() {
    QTest::addColumn<int>("bytes");
    QTest::addColumn<int>("chunk");
    QTest::addColumn<int>("progress");
    QTest::addColumn<int>("barValue");
    QTest::addColumn<QString>("barText");
    QTest::newRow("one byte") << 1 << 1 << 10 << 10 << "0.00KB";
    QTest::newRow("three chunks") << 3000 << 1000 << 30 << 30 << "2.93KB";
    QTest::newRow("small last chunk") << 2049 << 1024 << 30 << 30 << "2.00KB";
    QTest::newRow("bar full, size counts on") << 12 * 512 << 512 << 120 << 100 << "6.00KB";
}

void NPKelvoPluginInstanceTest::progressByChunks() {
    QFETCH(int, bytes);
    QFETCH(int, chunk);
    QFETCH(int, progress);
    QFETCH(int, barValue);
    QFETCH(QString, barText);
    Page page(kelvo(QStringLiteral("pic.png")));
    // Not a picture: what matters is the bar before the end of the stream.
    const QByteArray data(bytes, 'x');
    NPStream np{};
    np.url = "pic.png";
    PluginStream stream(&page.instance(), np, "application/kelvo", false);
    PluginInstance::StreamMode mode;
    QVERIFY(page.instance().newStreamCreated(&stream, mode));
    QCOMPARE(page.window().statusLabel1()->text(),
             QStringLiteral(" Kelvo plugin >> try loading: pic.png"));
    QCOMPARE(page.window().statusLabel2()->text(), QStringLiteral(" Kelvo plugin >> receiving:  "));
    for (int at = 0; at < bytes; at += chunk)
        page.instance().write(&stream, at, std::min(chunk, bytes - at), data.constData() + at);
    QCOMPARE(page.window().progress(), progress);
    QCOMPARE(page.window().progressBar()->value(), barValue);
    QCOMPARE(page.window().progressBar()->receivedText(), barText);
}

void NPKelvoPluginInstanceTest::completeStreamShowsPicture() {
    const QImage picture =
        PluginTestData::codedPicture({100, 80}, {{QRect(10, 10, 30, 30), QStringLiteral("alpha")}});
    QVERIFY(!picture.isNull());
    Page page(
        kelvo(QStringLiteral("pic.png"), {{QStringLiteral("width"), QStringLiteral("200")},
                                          {QStringLiteral("height"), QStringLiteral("160")}}));
    const QByteArray png = PluginTestData::pngBytes(picture);
    page.deliver(png, NPKelvoPluginInstance::kWriteReadySize, NPRES_DONE,
                 QStringLiteral("file:///pages/pic.png"));
    NPKelvoPluginWidget& window = page.window();
    QVERIFY(!window.hasError());
    QVERIFY(!window.statusLabel1()->isVisibleTo(&window));
    QVERIFY(!window.statusLabel2()->isVisibleTo(&window));
    QVERIFY(!window.progressBar()->isVisibleTo(&window));
    KelvoNPPluginViewerWidget* viewer = window.viewer();
    QVERIFY(viewer->isVisibleTo(&window));
    QCOMPARE(viewer->originalSize(), QSize(100, 80));
    QCOMPARE(viewer->displayedSize(), QSize(200, 160));
    QCOMPARE(viewer->fileName(), QStringLiteral("pic.png"));
    QCOMPARE(viewer->fileLocation(), QStringLiteral("file:///pages/pic.png"));
    QCOMPARE(viewer->statistics().unformattedTexts, 1);
    QCOMPARE(browserLog.statuses.last(), QString());
    QVERIFY(!page.instance().isLoading());
}

void NPKelvoPluginInstanceTest::pageWithoutSizeShowsOwnSize() {
    const QImage picture(120, 90, QImage::Format_RGB32);
    Page page(kelvo(QStringLiteral("pic.png"), {{QStringLiteral("height"), QStringLiteral("0")}}));
    page.deliver(PluginTestData::pngBytes(picture), 4096);
    KelvoNPPluginViewerWidget* viewer = page.window().viewer();
    QCOMPARE(viewer->horizontalScale(), 1.0f);
    QCOMPARE(viewer->verticalScale(), 1.0f);
    QCOMPARE(viewer->displayedSize(), QSize(120, 90));
}

void NPKelvoPluginInstanceTest::failedLoads_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("reason");
    const QByteArray png = PluginTestData::pngBytes(QImage(64, 64, QImage::Format_RGB32));
    QTest::newRow("not a picture") << QByteArray("<html>not found</html>") << int(NPRES_DONE);
    QTest::newRow("empty stream") << QByteArray() << int(NPRES_DONE);
    QTest::newRow("truncated picture") << png.left(png.size() / 2) << int(NPRES_DONE);
    QTest::newRow("broken off, then error") << png.left(100) << int(NPRES_NETWORK_ERR);
    QTest::newRow("user break") << png << int(NPRES_USER_BREAK);
}

void NPKelvoPluginInstanceTest::failedLoads() {
    QFETCH(QByteArray, data);
    QFETCH(int, reason);
    Page page(kelvo(QStringLiteral("pic.png")));
    page.deliver(data, 50, NPReason(reason));
    page.verifyErrorDisplay();
    QVERIFY(page.instance().image().isNull());
    QVERIFY(!page.window().viewer()->isLoaded());
    // The status line is cleared whatever became of the stream.
    QCOMPARE(browserLog.statuses.last(), QString());
}

void NPKelvoPluginInstanceTest::dataBeyondLimitEndLoad() {
    Page page(kelvo(QStringLiteral("pic.png")));
    NPStream np{};
    np.url = "pic.png";
    PluginStream stream(&page.instance(), np, "application/kelvo", false);
    PluginInstance::StreamMode mode;
    page.instance().newStreamCreated(&stream, mode);
    const QByteArray chunk(16 << 20, '\0');
    qint64 written = 0;
    while (written + chunk.size() <= NPKelvoPluginInstance::kMaxImageBytes) {
        QCOMPARE(page.instance().write(&stream, int32_t(written), int32_t(chunk.size()),
                                       chunk.constData()),
                 int32_t(chunk.size()));
        written += chunk.size();
    }
    QVERIFY(!page.window().hasError());
    QCOMPARE(page.instance().write(&stream, int32_t(written), 1, chunk.constData()), -1);
    page.verifyErrorDisplay();
    // Whatever the browser sends afterwards is refused, and the end changes nothing.
    QCOMPARE(page.instance().write(&stream, int32_t(written), 1, chunk.constData()), -1);
    stream.finish(NPRES_DONE);
    page.instance().streamDestroyed(&stream);
    page.verifyErrorDisplay();
}

void NPKelvoPluginInstanceTest::failedWindowFollowsLink_data() {
    QTest::addColumn<Parameters>("link");
    QTest::addColumn<QString>("target");
    QTest::newRow("default target")
        << Parameters{{QStringLiteral("href"), QStringLiteral("http://example.org/a")}} << "_BLANK";
    QTest::newRow("named target")
        << Parameters{{QStringLiteral("HREF"), QStringLiteral("http://example.org/a")},
                      {QStringLiteral("Target"), QStringLiteral("frame2")}}
        << "frame2";
    QTest::newRow("no link") << Parameters{} << QString();
}

void NPKelvoPluginInstanceTest::failedWindowFollowsLink() {
    QFETCH(Parameters, link);
    QFETCH(QString, target);
    Page page(kelvo(QStringLiteral("missing.png"), link));
    page.instance().notifyURL(QStringLiteral("missing.png"), PluginInstance::Reason::Error,
                              nullptr);
    page.verifyErrorDisplay();
    browserLog.requests.clear();
    browserLog.statuses.clear();
    NPKelvoPluginWidget& window = page.window();

    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&window, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&window, &leave);
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(5, 5));

    if (target.isNull()) {
        QVERIFY(browserLog.statuses.isEmpty());
        QVERIFY(browserLog.requests.isEmpty());
        QCOMPARE(window.cursor().shape(), Qt::ArrowCursor);
        return;
    }
    QCOMPARE(browserLog.statuses, QStringList({"http://example.org/a", QString()}));
    QCOMPARE(browserLog.requests.size(), 1);
    QCOMPARE(browserLog.requests[0].url, QStringLiteral("http://example.org/a"));
    QCOMPARE(browserLog.requests[0].target, target);
    QVERIFY(!browserLog.requests[0].notify);
    QCOMPARE(window.cursor().shape(), Qt::PointingHandCursor);
}

QTEST_MAIN(NPKelvoPluginInstanceTest)
#include "npkelvoplugininstance_test.moc"
