#include "plugininstance.h"

#include "pluginwindow.h"

#include <QGuiApplication>

#include <algorithm>
#include <utility>

namespace {

// Larger windows than this are taken as this size; no page needs more.
constexpr uint32_t kMaxWindowExtent = 16384;

int windowExtent(uint32_t extent) {
    return static_cast<int>(std::min(extent, kMaxWindowExtent));
}

} // namespace

PluginInstance::PluginInstance() = default;

PluginInstance::~PluginInstance() {
    // The widget's native window is a child of the foreign parent: destroy it first.
    destroyWidget();
    delete foreignParent_;
}

void PluginInstance::destroyWidget() {
    delete widget_;
    widget_ = nullptr;
}

void PluginInstance::bind(NPP npp, const NPNetscapeFuncs* browser, Parameters parameters) {
    npp_ = npp;
    browser_ = browser;
    parameters_ = std::move(parameters);
}

std::optional<QString> PluginInstance::parameter(const QString& name) const {
    for (const auto& [key, value] : parameters_) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

template <typename Entry> Entry PluginInstance::browserEntry(Entry NPNetscapeFuncs::*member) const {
    if (!browser_)
        return nullptr;
    // Older browsers hand shorter tables: entries beyond `size` do not exist.
    const auto offset = reinterpret_cast<const char*>(&(browser_->*member)) -
                        reinterpret_cast<const char*>(browser_);
    if (offset + sizeof(Entry) > browser_->size)
        return nullptr;
    return browser_->*member;
}

bool PluginInstance::getURL(const QString& url, const QString& target) {
    const auto getUrl = browserEntry(&NPNetscapeFuncs::geturl);
    if (!getUrl)
        return false;
    const QByteArray targetBytes = target.toUtf8();
    return getUrl(npp_, url.toUtf8().constData(),
                  target.isEmpty() ? nullptr : targetBytes.constData()) == NPERR_NO_ERROR;
}

bool PluginInstance::getURLNotify(const QString& url, const QString& target, void* data) {
    const auto getUrlNotify = browserEntry(&NPNetscapeFuncs::geturlnotify);
    if (!getUrlNotify)
        return false;
    const QByteArray targetBytes = target.toUtf8();
    return getUrlNotify(npp_, url.toUtf8().constData(),
                        target.isEmpty() ? nullptr : targetBytes.constData(),
                        data) == NPERR_NO_ERROR;
}

void PluginInstance::status(const QString& message) {
    if (const auto statusEntry = browserEntry(&NPNetscapeFuncs::status))
        statusEntry(npp_, message.toUtf8().constData());
}

QWindow* PluginInstance::parentWindowFor(WId id) {
    // A Qt host in this process: parent directly to its window.
    const QWindowList windows = QGuiApplication::allWindows();
    for (QWindow* window : windows) {
        if (window->handle() && window->winId() == id)
            return window;
    }
    if (foreignParent_ && foreignParent_->winId() == id)
        return foreignParent_;
    delete foreignParent_;
    foreignParent_ = QWindow::fromWinId(id);
    return foreignParent_;
}

void PluginInstance::setWindow(const NPWindow* window) {
    if (!widget_)
        widget_ = newWindow();
    const WId id = window ? reinterpret_cast<WId>(window->window) : 0;
    if (id != embeddedIn_ || !widget_->windowHandle()) {
        embeddedIn_ = id;
        widget_->winId(); // creates the native window to reparent
        widget_->windowHandle()->setParent(id ? parentWindowFor(id) : nullptr);
    }
    if (window && window->width > 0 && window->height > 0)
        widget_->setGeometry(0, 0, windowExtent(window->width), windowExtent(window->height));
    widget_->show();
}

PluginInstance::Reason PluginInstance::reasonFromCode(NPReason code) {
    switch (code) {
    case NPRES_DONE:
        return Reason::Done;
    case NPRES_USER_BREAK:
        return Reason::Break;
    default:
        return Reason::Error;
    }
}
