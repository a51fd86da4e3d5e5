#include "kelvoimgencodewidget.h"

#include "kelvodatamanagewidget.h"
#include "kelvoeditorsimplebubble.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvoimgsnip.h"
#include "kelvomsgdlg.h"
#include "kelvooverlapmask.h"
#include "kelvoregioncommands.h"
#include "kelvotextholderwidget.h"

#include <QPainter>
#include <QTimer>
#include <QUndoStack>

KelvoImgEncodeWidget::KelvoImgEncodeWidget(QWidget* parent, const QString& name,
                                           Qt::WindowFlags flags)
    : KelvoImgSelectionWidget(parent), m_undo(std::make_unique<QUndoStack>()) {
    setWindowFlags(windowFlags() | flags);
    setObjectName(name);
    m_dataManager = new KelvoDataManageWidget(m_regions, this);
    m_dataManager->hide();
    connect(m_dataManager, &KelvoDataManageWidget::dataAction, this,
            &KelvoImgEncodeWidget::itemAction);
    connect(m_dataManager, &KelvoDataManageWidget::regionSelected, this,
            &KelvoImgEncodeWidget::itemSelected);
    connect(m_dataManager, &KelvoDataManageWidget::renameRequested, this,
            &KelvoImgEncodeWidget::renameRegion);
    connect(m_dataManager, &KelvoDataManageWidget::removeEntryRequested, this,
            &KelvoImgEncodeWidget::removeEntry);
    // The rooms are worked out once a burst of changes is over.
    m_roomTimer = new QTimer(this);
    m_roomTimer->setSingleShot(true);
    connect(m_roomTimer, &QTimer::timeout, this, &KelvoImgEncodeWidget::showRooms);
    for (const auto signal : {&KelvoRegionModel::regionAdded, &KelvoRegionModel::regionRemoved,
                              &KelvoRegionModel::regionChanged}) {
        connect(&m_regions, signal, this, [this] {
            notifyState();
            update();
        });
    }
}

KelvoImgEncodeWidget::~KelvoImgEncodeWidget() = default;

QString KelvoImgEncodeWidget::widgetKey() const {
    return QStringLiteral("KELVO_ENCODER_WIDGET");
}

QPoint KelvoImgEncodeWidget::placementPoint() const {
    const TheS_Data* region = m_regions.find(regionNumber());
    if (region && !region->outlines.empty() && !region->outlines.front().isEmpty()) {
        return toWidgetCoordinates(region->outlines.front().first());
    }
    return outlinePoints().isEmpty() ? offset() : toWidgetCoordinates(outlinePoints().first());
}

bool KelvoImgEncodeWidget::newRegion(TheS_Data data, const QString& change) {
    QPolygon outline = imageOutline();
    if (outlinePoints().size() < 3 || outline.size() < 3) {
        return false;
    }
    if (outline.last() == outline.first()) {
        outline.removeLast();
    }
    data.outlines = {outline};
    dropOutline(false);
    const int number = regionNumber();
    changeRegion(number, KelvoRegionModel::Region{std::move(data), tr("Data %1").arg(number)},
                 change);
    return true;
}

void KelvoImgEncodeWidget::changeRegion(int number,
                                        const std::optional<KelvoRegionModel::Region>& after,
                                        const QString& change) {
    m_undo->push(new KelvoRegionCommand(m_regions, number, after, change));
}

void KelvoImgEncodeWidget::dataAdded(QWidget* widget, QPoint at) {
    setDataAttached(true);
    widget->show();
    widget->move(at);
    pinToPicture(widget);
    if (auto* holder = qobject_cast<KelvoTextHolderWidget*>(widget)) {
        connect(holder, &KelvoTextHolderWidget::edited, this,
                [this, holder](const KelvoTextHolderWidget::Content& before) {
                    holderEdited(holder, before);
                });
    }
}

QList<QWidget*> KelvoImgEncodeWidget::dataWidgets() const {
    QList<QWidget*> all;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<KelvoTextHolderWidget*>(child) || qobject_cast<KelvoImgSnip*>(child) ||
            qobject_cast<KelvoEditorShapedText*>(child)) {
            all.append(child);
        }
    }
    return all;
}

template <class Dragged> void KelvoImgEncodeWidget::trackMoves(Dragged* widget) {
    // In picture points, so that undo puts the widget back whatever the zoom is by then.
    connect(widget, &Dragged::dragged, this, [this, widget](QPoint from) {
        m_undo->push(new KelvoMoveCommand(*this, widget, toImageCoordinates(from),
                                          picturePosition(widget),
                                          KelvoImgEncodeWidget::tr("Move")));
    });
}

void KelvoImgEncodeWidget::notifyState() {
    m_roomTimer->start();
    emit stateChanged(isSelectionClosed(), hasData());
}

void KelvoImgEncodeWidget::warn(const QString& text) {
    int answer = 0;
    showMessage(answer, this, tr("Kelvo - Message"), text, tr("OK"));
}

void KelvoImgEncodeWidget::attachText(const QString& text) {
    const QPoint at = placementPoint();
    auto* holder = new KelvoTextHolderWidget(this, QStringLiteral("TextHolder"), text,
                                             KelvoTextPictures::textHolderIcon(), false);
    if (std::optional<KelvoRegionModel::Region> region = m_regions.region(regionNumber())) {
        if (region->data.dictEntry || !region->data.images.empty()) {
            delete holder;
            warn(tr("An image dictionary entry or another image is already specified for this "
                    "region."));
            return;
        }
        region->data.texts.push_back(holder);
        changeRegion(regionNumber(), region, tr("Add text"));
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

bool KelvoImgEncodeWidget::createDictEntry() {
    auto* holder = new KelvoTextHolderWidget(this, QStringLiteral("TextHolder"), QString(),
                                             KelvoTextPictures::dictHolderIcon(), true);
    holder->hide();
    if (!holder->editDictEntry() || !attachDictEntry(holder)) {
        delete holder;
        return false;
    }
    return true;
}

bool KelvoImgEncodeWidget::attachDictEntry(KelvoTextHolderWidget* holder) {
    const QPoint at = placementPoint();
    if (std::optional<KelvoRegionModel::Region> region = m_regions.region(regionNumber())) {
        if (!region->data.texts.empty() || !region->data.images.empty()) {
            warn(tr("Unformatted text or another image is already specified for this region."));
            return false;
        }
        // A holder replaced here is put away with the change, and comes back with its undo.
        region->data.dictEntry = holder;
        changeRegion(regionNumber(), region, tr("Add dictionary entry"));
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

void KelvoImgEncodeWidget::insertShapedText(KelvoTextPictures::TextType kind) {
    QPoint at;
    if (!outlinePoints().isEmpty()) {
        at = toWidgetCoordinates(outlinePoints().first());
    } else if (const TheS_Data* region = m_regions.find(regionNumber());
               region && !region->images.empty()) {
        at = region->images.front().snippet->pos();
    }
    KelvoEditorShapedText* widget = nullptr;
    switch (kind) {
    case KelvoTextPictures::SpeechBubble:
        widget = new KelvoEditorSpeechBubble(this, QStringLiteral("KelvoEditorSpeechBubble"));
        break;
    case KelvoTextPictures::ThinkBubble:
        widget = new KelvoEditorThinkBubble(this, QStringLiteral("KelvoEditorThinkBubble"));
        break;
    case KelvoTextPictures::SimpleRect:
    case KelvoTextPictures::SimpleEllipse:
        widget = new KelvoEditorSimpleBubble(this, QStringLiteral("KelvoEditorSimpleBubble"), kind);
        break;
    default:
        return;
    }
    connect(widget, &KelvoEditorShapedText::removeRequested, this,
            &KelvoImgEncodeWidget::removeShapedText);
    trackMoves(widget);
    connect(widget, &KelvoEditorShapedText::propsAccepted, this,
            [this, widget](const TheS_BubbleData& before) {
                m_undo->push(new KelvoShapedTextEditCommand(widget, before, widget->acceptedProps(),
                                                            tr("Edit shaped text")));
            });
    connect(widget, &KelvoEditorShapedText::reshaped, this,
            [this, widget](const KelvoShapeState& before) {
                m_undo->push(new KelvoReshapeCommand(*this, widget, before, widget->shapeState(),
                                                     tr("Resize shaped text")));
            });
    attachShapedText(regionNumber(), widget);
    dataAdded(widget, at);
}

void KelvoImgEncodeWidget::attachShapedText(int number, KelvoEditorShapedText* widget) {
    if (std::optional<KelvoRegionModel::Region> region = m_regions.region(number)) {
        region->data.shapedTexts.push_back({{}, widget});
        changeRegion(number, region, tr("Add shaped text"));
        return;
    }
    TheS_Data data;
    data.shapedTexts.push_back({{}, widget});
    // Without a closed outline the shaped text stays on the picture without a region.
    newRegion(std::move(data), tr("Add shaped text"));
}

void KelvoImgEncodeWidget::attachImage(const QImage& source, const QPolygon& outline) {
    if (source.isNull() || outline.isEmpty()) {
        return;
    }
    auto* snippet = new KelvoImgSnip(this, QStringLiteral("ImgSnip"));
    snippet->setAllowedArea(offset().x(), offset().y(), picture().width(), picture().height());
    // A part of a picture of the same size keeps its place; others start in the middle.
    const bool sameSize = source.size() == picture().size();
    const QPoint corner = outline.boundingRect().topLeft();
    const QPoint start = sameSize ? toWidgetCoordinates(corner) - corner : viewportRect().center();
    if (!snippet->setSnippet(source, outline, start, sameSize)) {
        delete snippet;
        return;
    }
    limitSnippet(snippet);
    pinToPicture(snippet);
    snippet->show();
    trackMoves(snippet);
    TheS_ImgDataItem item{snippet->snippet(), snippet->outline(), snippet};
    if (!item.outline.isEmpty()) {
        nextRegionNumber();
        setDataAttached(true);
        TheS_Data data;
        data.images.push_back(std::move(item));
        changeRegion(regionNumber(),
                     KelvoRegionModel::Region{std::move(data), tr("Data %1").arg(regionNumber())},
                     tr("Add image"));
    }
}

void KelvoImgEncodeWidget::nextRegionNumber() {
    setRegionNumber(m_regions.nextNumber());
}

void KelvoImgEncodeWidget::pictureLoaded() {
    setWindowTitle(fileName());
    emit activated(selectionMode(), isSelectionClosed(), hasData());
}

void KelvoImgEncodeWidget::mouseReleaseEvent(QMouseEvent* event) {
    KelvoImgSelectionWidget::mouseReleaseEvent(event);
    m_dataManager->selectRow(-1);
    notifyState();
}

void KelvoImgEncodeWidget::paintEvent(QPaintEvent* event) {
    KelvoImgSelectionWidget::paintEvent(event);
    if (!displayedImage() || !isRepaintEnabled()) {
        return;
    }
    // Text regions show their outlines; image regions are shown by their snippets.
    QPainter painter(this);
    for (const auto& [number, region] : regions()) {
        if (!region.isTextLike() || m_regions.isHidden(number)) {
            continue;
        }
        for (const QPolygon& outline : region.outlines) {
            const QPolygonF shown = toWidgetPolygon(outline);
            painter.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawPolygon(shown);
            painter.setPen(QPen(Qt::black, 2, Qt::DotLine, Qt::SquareCap, Qt::MiterJoin));
            painter.drawPolygon(shown);
        }
    }
}

void KelvoImgEncodeWidget::viewChanged() {
    for (QWidget* widget : dataWidgets()) {
        if (auto* snippet = qobject_cast<KelvoImgSnip*>(widget)) {
            limitSnippet(snippet);
        }
    }
}

// A snippet keeps its own size on screen at every zoom; it may be dragged as far as leaves all
// its pixels on the picture.
void KelvoImgEncodeWidget::limitSnippet(KelvoImgSnip* snippet) const {
    const QSize room = picture().size() - snippet->size();
    snippet->setAllowedArea(offset().x(), offset().y(),
                            qRound(room.width() * zoom()) + snippet->width(),
                            qRound(room.height() * zoom()) + snippet->height());
}
