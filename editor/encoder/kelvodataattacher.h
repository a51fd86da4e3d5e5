// Attaches data to the regions of an encoder window: texts, a dictionary entry, shaped texts
// and image parts, each to the current region or as a new region on the closed outline. Every
// attachment, and every later move or edit of what it attached, goes through the window's undo
// stack. A region carries unformatted texts or one dictionary entry, never both, and neither
// together with an image; every image part gets a region of its own.
#pragma once

#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"
#include "thes_data.h"

#include <QObject>

class KelvoEditorShapedText;
class KelvoImgEncodeWidget;

class KelvoDataAttacher : public QObject {
    Q_OBJECT
public:
    explicit KelvoDataAttacher(KelvoImgEncodeWidget& window);

    void attachText(const QString& text);
    // Asks for a dictionary entry and attaches it; false when cancelled or refused.
    bool createDictEntry();
    bool attachDictEntry(KelvoTextHolderWidget* holder);
    // A rectangle, ellipse, speech or think bubble; plain text is attachText()'s.
    void insertShapedText(KelvoTextPictures::TextType kind);
    void attachShapedText(int number, KelvoEditorShapedText* widget);
    void attachImage(const QImage& source, const QPolygon& outline);

private:
    // Where new widgets of the current region go, in widget coordinates.
    QPoint placementPoint() const;
    // Makes `data` the current region, on the closed outline; false when there is none.
    bool newRegion(TheS_Data data, const QString& change);
    void dataAdded(QWidget* widget, QPoint at);
    void holderEdited(KelvoTextHolderWidget* holder, const KelvoTextHolderWidget::Content& before);
    // Undoable moves of a widget the author drags.
    template <class Dragged> void trackMoves(Dragged* widget);

    KelvoImgEncodeWidget& m_window;
};
