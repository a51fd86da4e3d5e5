// The host's window: the page's embeds one below the other, each a native child window of the
// embed's size into which the plug-in draws.
#pragma once

#include <QList>
#include <QSize>
#include <QWidget>

class HostWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMargin = 10;

    HostWindow(const QString& title, const QList<QSize>& embedSizes);

    const QList<QWidget*>& containers() const { return m_containers; }

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QList<QWidget*> m_containers;
};
