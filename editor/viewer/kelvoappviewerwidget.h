// The editor's window for a picture that carries coded data: a viewer that decodes every
// picture it is given, tells the main window its state so that menus and tool bar match, and
// erases coded data, of the whole picture or of one region that the user clicks.
//
// Erasing changes the picture in memory and marks it modified; the window then hands itself
// back through the replace-window callback with an empty name, and the main window reopens a
// copy of the picture: as a viewer while coded regions remain, otherwise as an encoder. The
// callback may run inside this window's mouse handler, so it must delete the window with
// deleteLater(), never directly.
#pragma once

#include "kelvoviewerwidget.h"

class KelvoAppViewerWidget : public KelvoViewerWidget {
    Q_OBJECT
public:
    // (context, outlines action enabled, outlines shown)
    using OutlinesStateCallback = void (*)(void* context, bool enabled, bool on);
    // (context, erase enabled, dictionary available, translation settings)
    using ViewerActivatedCallback = void (*)(void* context, bool eraseEnabled,
                                             bool dictionaryAvailable,
                                             const KelvoTranslationSettings& settings);
    // (context, erase enabled)
    using EraseStateCallback = void (*)(void* context, bool eraseEnabled);

    explicit KelvoAppViewerWidget(QWidget* parent = nullptr, const QString& name = QString(),
                                  Qt::WindowFlags flags = {});

    // "KELVO_APP_VIEWER_WIDGET".
    QString widgetKey() const override;

    void setOutlinesStateCallback(OutlinesStateCallback callback, void* context);
    void setViewerActivatedCallback(ViewerActivatedCallback callback, void* context);
    void setEraseStateCallback(EraseStateCallback callback, void* context);

    // The image widget's copy; the erase state comes along from another viewer window.
    void copyFrom(const KelvoImgWidget& other) override;

    // Asks whether to erase all data ("Yes"), one region ("No": the next click chooses it)
    // or nothing ("Cancel"). Does nothing for a picture without coded data.
    void eraseData();

    bool eraseEnabled() const { return m_eraseEnabled; }
    bool eraseArmed() const { return m_eraseArmed; }
    bool dictionaryAvailable() const { return m_dictionaryAvailable; }

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
    void handBack();

    OutlinesStateCallback m_outlinesStateCallback = nullptr;
    void* m_outlinesStateContext = nullptr;
    ViewerActivatedCallback m_viewerActivatedCallback = nullptr;
    void* m_viewerActivatedContext = nullptr;
    EraseStateCallback m_eraseStateCallback = nullptr;
    void* m_eraseStateContext = nullptr;
    bool m_eraseEnabled = true;
    bool m_eraseArmed = false;
    bool m_dictionaryAvailable = false;
};
