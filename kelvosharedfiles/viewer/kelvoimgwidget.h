// A widget that loads, holds and paints one picture, centred, at a zoom, with scroll bars when
// the zoomed picture is larger than the widget. The editor's encoder and selection windows and
// every viewer derive from it. Hosts hear from it through its signals.
//
// Everything that belongs to the picture (outlines, regions, annotations) is kept in picture
// coordinates; the mapping between widget and picture coordinates lives here alone.
#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QPointer>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QScrollBar;

class KelvoImgWidget : public QWidget {
    Q_OBJECT
public:
    // Longest side of the minimum size a picture asks for.
    static constexpr int kMinimumSide = 100;
    static constexpr int kStatusDurationMs = 10000;

    explicit KelvoImgWidget(QWidget* parent = nullptr);

    // Loads a picture (format detected from the contents). Pictures other than 32-bit RGB are
    // converted to it unless convertTo32Bits is off. False when the file cannot be read as a
    // picture: `failure`, when given, then receives a line naming the file and the reason;
    // without it a warning box shows that line.
    bool loadImage(const QString& fileName, QString* failure = nullptr);
    // A warning box that names the pictures that could not be loaded, one failure line of
    // loadImage() each.
    static void warnNotLoaded(QWidget* parent, const QStringList& failures);
    // Takes `image` as the picture, as loadImage() does with a loaded file; `fileName` names
    // where it came from. False, after a warning box, for an image without pixels.
    bool setImage(const QImage& image, const QString& fileName = QString());
    // Takes a deep copy of `other`'s picture, minimum size and zoom (not its signal
    // connections).
    virtual void copyFrom(const KelvoImgWidget& other);
    // Tells the kinds of windows apart: "KELVO_IMG_WIDGET" here.
    virtual QString widgetKey() const;
    // Writes the picture as PNG that reproduces it exactly (writeImageExact); false when it
    // cannot be written. Once written, the widget stands for that file: its name and title,
    // and it is no longer modified.
    bool saveImage(const QString& fileName);

    // The text after the last "." of the file name itself (folder names do not count); empty,
    // with `hasExtension` false, when the file name has no ".".
    static QString fileExtension(const QString& fileName, bool* hasExtension);

    // How the zoom follows the widget's size: not at all, shrinking a picture larger than the
    // widget to fit (never enlarging), or fitting the picture to the widget either way.
    enum class ZoomMode { Fixed, ShrinkToFit, Fit };
    static constexpr double kMinZoom = 1.0 / 32;
    static constexpr double kMaxZoom = 32.0;

    double zoom() const { return m_zoom; }
    ZoomMode zoomMode() const { return m_zoomMode; }
    void setZoomMode(ZoomMode mode);
    // Sets a fixed zoom (clamped to kMinZoom..kMaxZoom), keeping the picture point under
    // `widgetPoint` where it is.
    void setZoom(double zoom, QPoint widgetPoint);
    // The same around the middle of the visible area.
    void setZoom(double zoom);

    // The pixel under `widgetPoint`; may lie off the picture.
    QPoint toImageCoordinates(QPoint widgetPoint) const;
    // The pixel under `widgetPoint`, moved onto the nearest pixel of the picture.
    QPoint imagePointAt(QPoint widgetPoint) const;
    // Top-left corner of `pixel` in the widget.
    QPoint toWidgetCoordinates(QPoint pixel) const;
    // Where a pixel's centre lies in the widget: lines through outline pixels.
    QPolygonF toWidgetPolygon(const QPolygon& pixels) const;
    QRect toWidgetRect(const QRect& pixels) const;
    // The area the zoomed picture covers, in widget coordinates.
    QRect pictureRect() const;
    // The area not taken by the scroll bars.
    QRect viewportRect() const;

    // Keeps `child` on the same picture point when the view scrolls, zooms or resizes, and
    // wherever the author or the program moves it.
    void pinToPicture(QWidget* child);
    // The picture point under a pinned child's top-left corner (any child's, by the current
    // view, when it was not pinned).
    QPoint picturePosition(const QWidget* child) const;
    // The image painted: the picture, or in a viewer possibly its outline image; null until a
    // picture is loaded.
    const QImage* displayedImage() const { return m_loaded ? m_displayed : nullptr; }

    const QImage& picture() const { return m_picture; }
    const QString& fileName() const { return m_fileName; }
    bool isLoaded() const { return m_loaded; }
    bool hasPicture() const { return m_picturePresent; }
    bool hasCodedData() const { return m_hasCodedData; }
    bool isModified() const { return m_modified; }
    void setModified(bool modified) { m_modified = modified; }
    // Top-left of the zoomed picture in the widget (negative when scrolled).
    QPoint offset() const { return m_offset; }

public slots:
    void zoomIn();
    void zoomOut();
    // Ctrl+0: fits the picture to the widget and keeps fitting it as the widget resizes.
    void fitToWindow();
    // Ctrl+1: one picture pixel per screen pixel.
    void actualSize();

signals:
    void zoomChanged(double zoom);

    // The author asked, on closing, to save the modified picture of `window` (this widget).
    // A receiver that saves it clears the modified state; otherwise the widget stays open.
    void saveRequested(KelvoImgWidget* window);
    // A message for the host's status line, shown for `durationMs`.
    void statusMessage(const QString& text, int durationMs);
    // The widget accepted its close.
    void closed();
    // The widget asks its host to replace it: by a window on the file `fileName`, or, when the
    // name is empty, by a fresh window on a copy of `window`'s picture. The host must delete
    // `window` with deleteLater(): the signal may come from the window's own handlers.
    void replaceRequested(KelvoImgWidget* window, const QString& fileName);

protected:
    // Called after a picture was loaded or copied in.
    virtual void pictureLoaded() {}

    // Called after the view changed (resize, scroll, zoom, new picture), once the mapping is
    // the new one.
    virtual void viewChanged() {}
    // `widgetPoint` of the view before the last change, in the widget now.
    QPoint fromPreviousView(QPoint widgetPoint) const;

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Ctrl+wheel zooms around the pointer; the wheel alone scrolls.
    void wheelEvent(QWheelEvent* event) override;
    // Asks about a modified picture: "Save", "No" or "Cancel" (also Escape and closing the
    // box). Cancel, or a save that did not happen, keeps the widget open.
    void closeEvent(QCloseEvent* event) override;

    // Paints `image` (the picture's size) zoomed at the offset, only where `event` asks for it.
    void paintImage(QPainter& painter, const QImage& image, const QPaintEvent* event) const;
    // Lays out the scroll bars and the offset for the current zoom and size, re-places the
    // pinned children and repaints. `keep`, when given, is a picture point (in pixels, not
    // rounded) that stays under `at`.
    void updateView(const QPointF* keep = nullptr, QPoint at = {});

    QImage m_picture;
    QString m_fileName;
    const QImage* m_displayed = nullptr;
    bool m_picturePresent = false;
    bool m_hasCodedData = false;
    bool m_loaded = false;
    bool m_testForCodedData = false;
    bool m_modified = false;
    QPoint m_offset;

private:
    struct Pin {
        QPointer<QWidget> widget;
        QPointF picturePos;
        QPoint placedAt;
    };
    // Whether closing may go on after the question about the modified picture.
    bool closingAllowed();
    QPointF toPicture(QPoint widgetPoint) const;
    double fitZoom() const;
    // One step of the zoom ladder in or out, keeping the picture point under `widgetPoint`.
    void zoomStep(bool in, QPoint widgetPoint);
    QSize zoomedSize() const;
    void placePins(QPoint oldOffset, double oldZoom);
    // The picture zoomed out, cached for the zoom it was made at.
    const QImage& shrunk(const QImage& image) const;

    double m_zoom = 1.0;
    ZoomMode m_zoomMode = ZoomMode::Fixed;
    QPoint m_previousOffset;
    double m_previousZoom = 1.0;
    double m_laidOutZoom = 1.0;
    QScrollBar* m_hBar;
    QScrollBar* m_vBar;
    bool m_layingOut = false;
    int m_wheelZoom = 0; // wheel angle not yet turned into zoom steps
    std::vector<Pin> m_pins;
    mutable QImage m_shrunk;
    mutable qint64 m_shrunkKey = 0;
    mutable double m_shrunkZoom = 0;
};
