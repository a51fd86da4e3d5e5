// The window of one plug-in instance: the viewer above two status lines and the progress bar.
// While loading the labels and the bar tell what happens; once the picture is shown only the
// viewer remains; when loading fails the window shows the error display, a click on which
// follows the embed's link.
#pragma once

#include "pluginwindow.h"

class KelvoNPPluginViewerWidget;
class KelvoPluginProgressBar;
class NPKelvoPluginInstance;
class QGridLayout;
class QLabel;

class NPKelvoPluginWidget : public PluginWindow {
    Q_OBJECT
public:
    // Each received chunk advances the progress by this much, whatever its size.
    static constexpr int kProgressStep = 10;

    explicit NPKelvoPluginWidget(NPKelvoPluginInstance* instance);

    KelvoNPPluginViewerWidget* viewer() const { return m_viewer; }
    QLabel* statusLabel1() const { return m_label1; }
    QLabel* statusLabel2() const { return m_label2; }
    KelvoPluginProgressBar* progressBar() const { return m_progressBar; }
    int progress() const { return m_progress; }
    bool hasError() const { return m_error; }

    void setMessage(const QString& text);
    void showReceiving(const QString& url);
    // One more chunk arrived; `receivedBytes` is the total so far.
    void advanceProgress(qint64 receivedBytes);
    // Leaves only the viewer.
    void showLoaded();
    void showError();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    NPKelvoPluginInstance* m_instance;
    QGridLayout* m_grid;
    KelvoNPPluginViewerWidget* m_viewer;
    QLabel* m_label1;
    QLabel* m_label2;
    KelvoPluginProgressBar* m_progressBar;
    int m_progress = 0;
    bool m_error = false;
};
