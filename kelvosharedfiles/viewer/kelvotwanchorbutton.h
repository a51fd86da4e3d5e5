// The round toggle button at the corner of a text balloon that points at the pointer. Checked,
// it pins the balloon; unchecked, it holds the pointer grab while the balloon follows the
// pointer and passes the pointer's moves on to the viewer under the balloon.
#pragma once

#include <QPixmap>
#include <QPushButton>

class KelvoTextWidget;

class KelvoTWAnchorButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int kSize = 15;

    // `textWidget` is the parent; its parent is the viewer that receives forwarded events.
    explicit KelvoTWAnchorButton(KelvoTextWidget* textWidget);

    // The 15 x 15 disc drawn while the balloon is pinned (sunken) or not (raised); pixels
    // outside the disc are transparent.
    const QPixmap& pixmap(bool anchored) const { return anchored ? m_anchored : m_notAnchored; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    KelvoTextWidget* m_textWidget;
    QPixmap m_notAnchored;
    QPixmap m_anchored;
};
