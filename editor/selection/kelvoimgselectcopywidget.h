// A selection window of the image grabber. Besides rectangles and freehand outlines it finds
// the outline of an object on a plain background by itself: armed by armAutoSelection(), the
// next click on the background runs findContour (kelvocontour.h). It hands its picture and
// outline to the grabber on request.
#pragma once

#include "kelvoimgselectionwidget.h"

#include <QImage>

class KelvoImgSelectCopyWidget : public KelvoImgSelectionWidget {
    Q_OBJECT
public:
    explicit KelvoImgSelectCopyWidget(QWidget* parent = nullptr);

    // "KELVO_SELECT_COPY_WIDGET".
    QString widgetKey() const override;
    // Regions are the encoder's business; nothing to count here.
    void nextRegionNumber() override {}

    // Asks the user to click on the background; once confirmed, the next click searches the
    // outline around the object on it.
    void armAutoSelection();
    bool isAutoArmed() const { return m_autoArmed; }
    // Another selection tool was chosen: the next click selects as usual.
    void disarmAutoSelection() { m_autoArmed = false; }
    // Hands the displayed picture and the outline on through grabbed().
    void grab();

signals:
    // The window became the one the grabber's tools act on, a picture was loaded, or the
    // automatic selection ended; the host reads the widget's state.
    void windowActivated(int selectionMode, bool selectionClosed);
    // The picture and the outline in picture coordinates.
    void grabbed(const QImage& picture, const QPolygon& outline);

protected:
    void pictureLoaded() override;
    void focusInEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void reportActivation();
    void selectAround(QPoint imagePoint);

    bool m_autoArmed = false;
};
