// The viewer: an image widget that shows a decoded picture's annotations while the pointer is
// over their regions. It does not decode by itself. Its host
//   1. loads a picture (loadImage(), copyFrom(), or directly into m_picture),
//   2. when it has coded data, calls clearDecodedData() and then
//      decodeImage(picture copy, m_idImage, m_outlineImage, m_regions, this) and turns mouse
//      tracking on (decodePicture() does all this),
//   3. on every pointer move stores m_pointerPos (widget coordinates) and m_lookupPos
//      (picture coordinates) and calls updateHover(),
//   4. optionally calls setOutlinesShown() and setTranslation() from its menus.
//
// Hover state, per kind of annotation: none (-1) or the key of the region shown. A pinned
// (anchored) balloon is never hidden by the viewer; it only stops being the active one. A
// balloon that follows the pointer goes when the pointer leaves the viewer: on the viewer's
// Leave, or, where the viewer sits in a window embedded in another program's (the plug-in's)
// and the leave may not reach it, when a look at the pointer finds it elsewhere.
// Pointer moves cost a pixel read and a map look-up; only a change of the image annotation
// repaints, and only the area of the images involved.
#pragma once

#include "decodestatistics.h"
#include "kelvoimgwidget.h"
#include "kelvotranslationsettings.h"
#include "regionviewerobjects.h"

#include <QImage>
#include <QPoint>

#include <vector>

class KelvoTextWidget;
class KelvoViewerShapedText;
class QMouseEvent;
class QTimer;

class KelvoViewerWidget : public KelvoImgWidget {
    Q_OBJECT
public:
    // How often the pointer is looked at while a balloon follows it.
    static constexpr int kPointerWatchMs = 100;

    explicit KelvoViewerWidget(QWidget* parent = nullptr);
    ~KelvoViewerWidget() override;

    // "KELVO_VIEWER_WIDGET".
    QString widgetKey() const override;

    // Shows the outline image instead of the picture, in the picture and behind the bubbles.
    virtual void setOutlinesShown(bool on);
    bool outlinesShown() const { return m_outlinesShown; }

    // Stores the settings and shows every dictionary balloon with them; does nothing before
    // anything was decoded.
    void setTranslation(const KelvoTranslationSettings& settings);
    const KelvoTranslationSettings& translation() const { return m_translation; }

    // The hover step for m_pointerPos / m_lookupPos.
    void updateHover();
    // Lets balloons and bubbles pass pointer events to the viewer below them: moves go to the
    // move handler, presses to the press handler, other events are dropped.
    void forwardMouseEvent(QMouseEvent* event);

    // Deletes every annotation widget and empties the id image, outline image and map, before
    // another picture is decoded into them.
    void clearDecodedData();
    // Step 2 of a host in one call: clears the decoded data, decodes a copy of the picture
    // into the viewer and turns mouse tracking on. Zero counts for a picture without data.
    DecodeStatistics decodePicture();

    const QImage& pictureImage() const { return m_picture; }
    const QImage& outlineImage() const { return m_outlineImage; }
    const QImage& idImage() const { return m_idImage; }
    const RegionViewerMap& regions() const { return m_regions; }
    KelvoTextWidget* activeTextWidget() const { return m_activeText; }
    int imageRegion() const { return m_imageRegion; }
    int textRegion() const { return m_textRegion; }
    int shapesRegion() const { return m_shapesRegion; }

public slots:
    // Repaints the picture and the image annotation shown.
    void updateWidget();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Keeps balloons placeable and the bubbles shown on their picture points.
    void viewChanged() override;
    // Stores the position, in widget and picture coordinates, and runs the hover step.
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    KelvoTextWidget* m_activeText = nullptr;
    bool m_outlinesShown = false;
    QImage m_idImage;      // 8-bit; palette entry blue = region key, red 255 = fill pixel
    QImage m_outlineImage; // the picture with the region outlines dotted over it
    RegionViewerMap m_regions;
    int m_imageRegion = -1;
    int m_prevImageRegion = -1;
    int m_textRegion = -1;
    int m_prevTextRegion = -1;
    int m_shapesRegion = -1;
    int m_prevShapesRegion = -1;
    QPoint m_lastPointerPos;
    QPoint m_pointerPos; // widget coordinates
    QPoint m_lookupPos;  // picture coordinates
    const std::vector<KelvoViewerShapedText*>* m_shownShapedTexts = nullptr;
    KelvoTranslationSettings m_translation;

private:
    // Region key under the lookup position, or -1.
    int regionAt(QPoint lookup) const;
    void hoverRegion(int key, const RegionViewerObjects& objects);
    void hoverNoRegion();
    void hideActiveText();
    // The balloon following the pointer goes, as do the text and image shown.
    void pointerLeft();
    // pointerLeft() when the pointer has moved since the last look and is outside the viewer.
    void watchPointer();
    void hideShapedTexts();
    void showShapedTexts(const std::vector<KelvoViewerShapedText*>& shapedTexts);
    void forgetTextAndImage();
    // Forgets the text and image shown, as when the pointer comes or goes or the focus changes.
    void resetTextAndImage();
    // Widget rectangle of the image annotation of `key`; empty for none.
    QRect imageRect(int key) const;
    void repaintImageChange(int shownBefore);

    QTimer* m_pointerWatch;
    QPoint m_watchedPointer; // global position at the last look
};
