// An image widget on which the author marks one region of the picture with the mouse, as a
// rectangle (mode 0) or a freehand outline (mode 1). It keeps the outline in picture
// coordinates, draws it dotted at the current zoom, and tells its host whether the outline is
// complete.
#pragma once

#include "kelvoimgwidget.h"

#include <QPolygon>

class KelvoImgSelectionWidget : public KelvoImgWidget {
    Q_OBJECT
public:
    enum SelectionMode { RectangleMode = 0, FreehandMode = 1 };
    explicit KelvoImgSelectionWidget(QWidget* parent = nullptr);

    int selectionMode() const { return m_mode; }
    void setSelectionMode(int mode) { m_mode = mode; }
    bool isSelectionClosed() const { return m_selectionClosed; }
    // The complete outline, closed by its first point repeated (an automatic outline is not),
    // in picture coordinates; empty while no outline is complete.
    const QPolygon& imageOutline() const { return m_imageOutline; }
    // Set by the encoder once data were attached to the current outline: the next press then
    // starts a new region.
    bool isDataAttached() const { return m_dataAttached; }
    void setDataAttached(bool attached) { m_dataAttached = attached; }
    int regionNumber() const { return m_regionNumber; }
    void setRegionNumber(int number) { m_regionNumber = number; }
    bool isRepaintEnabled() const { return m_repaintEnabled; }
    void setRepaintEnabled(bool enabled) { m_repaintEnabled = enabled; }
    bool wasPressed() const { return m_pressed; }
    // The points of the last outline as dragged, in picture coordinates.
    const QPolygon& outlinePoints() const { return m_points; }

    // "KELVO_SELECTOR_WIDGET" here.
    QString widgetKey() const override;
    // Moves on to the next region after data were attached.
    virtual void nextRegionNumber() = 0;
    // Forgets the outline and repaints.
    void clearSelection();

signals:
    // After every press and release: whether the outline is complete.
    void selectionChanged(bool selectionClosed);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // Takes `outline` (picture coordinates, not repeated at the end) as the complete outline.
    void takeOutline(const QPolygon& outline);
    // Hides the complete outline (its dotted line disappears); the dragged points stay unless
    // `withPoints`. The selection stays closed or open as it was.
    void dropOutline(bool withPoints);
    void setSelectionClosed(bool closed) { m_selectionClosed = closed; }

private:
    void reportSelection();
    // The line drawn now: the band being dragged, or the complete outline.
    QPolygon band() const;
    QPolygon rectangleBand() const;
    void updateAround(const QPolygon& line);
    bool freehandOutlineEncloses() const;

    int m_mode = RectangleMode;
    bool m_selectionClosed = false;
    bool m_drawn = false;
    bool m_dragging = false;
    bool m_pressed = false;
    bool m_dataAttached = false;
    bool m_repaintEnabled = true;
    int m_regionNumber = 1;
    QPoint m_anchor;
    QPoint m_moving;
    QPolygon m_points; // as dragged
    QPolygon m_imageOutline;
};
