// The loading progress bar of a plug-in window: the bar advances by a fixed step per received
// chunk, and the received size ("12.50KB") is drawn centred on it.
#pragma once

#include <QProgressBar>

class KelvoPluginProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit KelvoPluginProgressBar(QWidget* parent = nullptr);

    // The size shown on the bar, in kilobytes with two decimals.
    void setReceivedBytes(qint64 bytes);
    QString receivedText() const { return format(); }

protected:
    void paintEvent(QPaintEvent* event) override;
};
