#include "kelvodataattacher.h"

#include "kelvoeditorsimplebubble.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimgsnip.h"
#include "kelvoregioncommands.h"

#include <QUndoStack>

KelvoDataAttacher::KelvoDataAttacher(KelvoImgEncodeWidget& window) : m_window(window) {}

QPoint KelvoDataAttacher::placementPoint() const {
    const TheS_Data* region = m_window.regionMap().find(m_window.regionNumber());
    if (region && !region->outlines.empty() && !region->outlines.front().isEmpty()) {
        return m_window.toWidgetCoordinates(region->outlines.front().first());
    }
    return m_window.outlinePoints().isEmpty()
               ? m_window.offset()
               : m_window.toWidgetCoordinates(m_window.outlinePoints().first());
}

bool KelvoDataAttacher::newRegion(TheS_Data data, const QString& change) {
    const QPolygon outline = m_window.takeClosedOutline();
    if (outline.isEmpty()) {
        return false;
    }
    data.outlines = {outline};
    const int number = m_window.regionNumber();
    m_window.changeRegion(
        number, KelvoRegionModel::Region{std::move(data), tr("Data %1").arg(number)}, change);
    return true;
}

void KelvoDataAttacher::dataAdded(QWidget* widget, QPoint at) {
    m_window.setDataAttached(true);
    widget->show();
    widget->move(at);
    m_window.pinToPicture(widget);
    if (auto* holder = qobject_cast<KelvoTextHolderWidget*>(widget)) {
        connect(holder, &KelvoTextHolderWidget::edited, this,
                [this, holder](const KelvoTextHolderWidget::Content& before) {
                    holderEdited(holder, before);
                });
    }
}

void KelvoDataAttacher::holderEdited(KelvoTextHolderWidget* holder,
                                     const KelvoTextHolderWidget::Content& before) {
    m_window.undoStack()->push(new KelvoHolderEditCommand(
        holder, before, holder->content(),
        holder->isDictEntry() ? tr("Edit dictionary entry") : tr("Edit text")));
}

template <class Dragged> void KelvoDataAttacher::trackMoves(Dragged* widget) {
    // In picture points, so that undo puts the widget back whatever the zoom is by then.
    connect(widget, &Dragged::dragged, this, [this, widget](QPoint from) {
        m_window.undoStack()->push(
            new KelvoMoveCommand(m_window, widget, m_window.toImageCoordinates(from),
                                 m_window.picturePosition(widget), tr("Move")));
    });
}

void KelvoDataAttacher::attachText(const QString& text) {
    const QPoint at = placementPoint();
    auto* holder = new KelvoTextHolderWidget(&m_window, QStringLiteral("TextHolder"), text,
                                             KelvoTextPictures::textHolderIcon(), false);
    const int number = m_window.regionNumber();
    if (std::optional<KelvoRegionModel::Region> region = m_window.regionMap().region(number)) {
        if (region->data.dictEntry || !region->data.images.empty()) {
            delete holder;
            m_window.warn(tr("An image dictionary entry or another image is already specified "
                             "for this region."));
            return;
        }
        region->data.texts.push_back(holder);
        m_window.changeRegion(number, region, tr("Add text"));
    } else {
        TheS_Data data;
        data.texts.push_back(holder);
        if (!newRegion(std::move(data), tr("Add text"))) {
            delete holder;
            return;
        }
    }
    dataAdded(holder, at);
}

bool KelvoDataAttacher::createDictEntry() {
    auto* holder = new KelvoTextHolderWidget(&m_window, QStringLiteral("TextHolder"), QString(),
                                             KelvoTextPictures::dictHolderIcon(), true);
    holder->hide();
    if (!holder->editDictEntry() || !attachDictEntry(holder)) {
        delete holder;
        return false;
    }
    return true;
}

bool KelvoDataAttacher::attachDictEntry(KelvoTextHolderWidget* holder) {
    const QPoint at = placementPoint();
    const int number = m_window.regionNumber();
    if (std::optional<KelvoRegionModel::Region> region = m_window.regionMap().region(number)) {
        if (!region->data.texts.empty() || !region->data.images.empty()) {
            m_window.warn(
                tr("Unformatted text or another image is already specified for this region."));
            return false;
        }
        // A holder replaced here is put away with the change, and comes back with its undo.
        region->data.dictEntry = holder;
        m_window.changeRegion(number, region, tr("Add dictionary entry"));
    } else {
        TheS_Data data;
        data.dictEntry = holder;
        if (!newRegion(std::move(data), tr("Add dictionary entry"))) {
            return false;
        }
    }
    dataAdded(holder, at);
    return true;
}

void KelvoDataAttacher::insertShapedText(KelvoTextPictures::TextType kind) {
    QPoint at;
    if (!m_window.outlinePoints().isEmpty()) {
        at = m_window.toWidgetCoordinates(m_window.outlinePoints().first());
    } else if (const TheS_Data* region = m_window.regionMap().find(m_window.regionNumber());
               region && !region->images.empty()) {
        at = region->images.front().snippet->pos();
    }
    KelvoEditorShapedText* widget = nullptr;
    switch (kind) {
    case KelvoTextPictures::SpeechBubble:
        widget = new KelvoEditorSpeechBubble(&m_window, QStringLiteral("KelvoEditorSpeechBubble"));
        break;
    case KelvoTextPictures::ThinkBubble:
        widget = new KelvoEditorThinkBubble(&m_window, QStringLiteral("KelvoEditorThinkBubble"));
        break;
    case KelvoTextPictures::SimpleRect:
    case KelvoTextPictures::SimpleEllipse:
        widget =
            new KelvoEditorSimpleBubble(&m_window, QStringLiteral("KelvoEditorSimpleBubble"), kind);
        break;
    default:
        return;
    }
    connect(widget, &KelvoEditorShapedText::removeRequested, &m_window,
            &KelvoImgEncodeWidget::removeShapedText);
    trackMoves(widget);
    connect(widget, &KelvoEditorShapedText::propsAccepted, this,
            [this, widget](const TheS_BubbleData& before) {
                m_window.undoStack()->push(new KelvoShapedTextEditCommand(
                    widget, before, widget->acceptedProps(), tr("Edit shaped text")));
            });
    connect(widget, &KelvoEditorShapedText::reshaped, this,
            [this, widget](const KelvoShapeState& before) {
                const KelvoShapeState after = widget->shapeState();
                KelvoShapeState textMoved = before;
                textMoved.labelPosition = after.labelPosition;
                m_window.undoStack()->push(new KelvoReshapeCommand(
                    m_window, widget, before, after,
                    textMoved == after ? tr("Move text") : tr("Resize shaped text")));
            });
    attachShapedText(m_window.regionNumber(), widget);
    dataAdded(widget, at);
}

void KelvoDataAttacher::attachShapedText(int number, KelvoEditorShapedText* widget) {
    if (std::optional<KelvoRegionModel::Region> region = m_window.regionMap().region(number)) {
        region->data.shapedTexts.push_back({{}, widget});
        m_window.changeRegion(number, region, tr("Add shaped text"));
        return;
    }
    TheS_Data data;
    data.shapedTexts.push_back({{}, widget});
    // Without a closed outline the shaped text stays on the picture without a region.
    newRegion(std::move(data), tr("Add shaped text"));
}

void KelvoDataAttacher::attachImage(const QImage& source, const QPolygon& outline) {
    if (source.isNull() || outline.isEmpty()) {
        return;
    }
    const QImage& picture = m_window.picture();
    auto* snippet = new KelvoImgSnip(&m_window, QStringLiteral("ImgSnip"));
    snippet->setAllowedArea(m_window.offset().x(), m_window.offset().y(), picture.width(),
                            picture.height());
    // A part of a picture of the same size keeps its place; others start in the middle.
    const bool sameSize = source.size() == picture.size();
    const QPoint corner = outline.boundingRect().topLeft();
    const QPoint start =
        sameSize ? m_window.toWidgetCoordinates(corner) - corner : m_window.viewportRect().center();
    if (!snippet->setSnippet(source, outline, start, sameSize)) {
        delete snippet;
        return;
    }
    m_window.limitSnippet(snippet);
    m_window.pinToPicture(snippet);
    snippet->show();
    trackMoves(snippet);
    TheS_ImgDataItem item{snippet->snippet(), snippet->outline(), snippet};
    if (!item.outline.isEmpty()) {
        m_window.nextRegionNumber();
        m_window.setDataAttached(true);
        TheS_Data data;
        data.images.push_back(std::move(item));
        const int number = m_window.regionNumber();
        m_window.changeRegion(number,
                              KelvoRegionModel::Region{std::move(data), tr("Data %1").arg(number)},
                              tr("Add image"));
    }
}
