// The editor's window for a picture that carries coded data: a viewer that decodes every
// picture it is given, tells the main window its state so that menus and tool bar match, and
// erases coded data, of the whole picture or of one region that the user clicks.
//
// Erasing changes the picture in memory and marks it modified; the window then asks to be
// replaced (replaceRequested() with an empty name), and the main window reopens a copy of the
// picture: as a viewer while coded regions remain, otherwise as an encoder.
#pragma once

#include "kelvoviewerwidget.h"

class KelvoAppViewerWidget : public KelvoViewerWidget {
    Q_OBJECT
public:
    explicit KelvoAppViewerWidget(QWidget* parent = nullptr, const QString& name = QString(),
                                  Qt::WindowFlags flags = {});

    // "KELVO_APP_VIEWER_WIDGET".
    QString widgetKey() const override;

    // The image widget's copy; the erase state comes along from another viewer window.
    void copyFrom(const KelvoImgWidget& other) override;

    // Asks whether to erase all data ("Yes"), one region ("No": the next click chooses it)
    // or nothing ("Cancel"). Does nothing for a picture without coded data.
    void eraseData();

    bool eraseEnabled() const { return m_eraseEnabled; }
    bool eraseArmed() const { return m_eraseArmed; }
    bool dictionaryAvailable() const { return m_dictionaryAvailable; }

signals:
    // The window has its picture decoded, or is painted while it has the focus.
    void activated(bool eraseEnabled, bool dictionaryAvailable,
                   const KelvoTranslationSettings& settings);
    void outlinesStateChanged(bool enabled, bool on);
    void eraseStateChanged(bool enabled);

protected:
    // Decodes the picture when it has coded data.
    void pictureLoaded() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void viewChanged() override;

private:
    void eraseAll();
    // Erases the region under `widgetPoint`, or tells that there is none.
    void eraseRegionAt(QPoint widgetPoint);
    void tellNoRegion(const QString& caption);

    bool m_eraseEnabled = true;
    bool m_eraseArmed = false;
    bool m_dictionaryAvailable = false;
};
