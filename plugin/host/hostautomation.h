// What the host's automation flags do on its window once the page has loaded: pointer moves
// and clicks delivered to the window under the point (the plug-ins' windows included), a
// listing of what the plug-ins show, and a screenshot of the window with the plug-ins in it.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWindow>

class HostWindow;
class QWidget;

class HostAutomation {
public:
    explicit HostAutomation(HostWindow* window) : m_window(window) {}

    // Point in window coordinates.
    void hover(QPoint point);
    void click(QPoint point);
    // One line per visible label, text view and Kelvo widget and per progress bar of each
    // embed:
    //   embed N: window CLASS WxH
    //   embed N: label "TEXT"
    //   embed N: progress VALUE "TEXT" [(hidden)]
    //   embed N: text "TEXT"
    //   embed N: widget CLASS X,Y WxH
    void dump() const;
    bool screenshot(const QString& path) const;

    // The top-level widget of the plug-in drawn into `container`, or null.
    static QWidget* pluginWidgetIn(QWidget* container);

private:
    void send(QEvent::Type type, QPoint point, Qt::MouseButton button, Qt::MouseButtons buttons);

    HostWindow* m_window;
    QPointer<QWindow> m_lastTarget;
};
