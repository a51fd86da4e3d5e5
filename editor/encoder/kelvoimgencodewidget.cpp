#include "kelvoimgencodewidget.h"

#include "kelvodatamanagewidget.h"
#include "kelvoeditorsimplebubble.h"
#include "kelvoeditorspeechbubble.h"
#include "kelvoeditorthinkbubble.h"
#include "kelvoimgsnip.h"
#include "kelvomsgdlg.h"
#include "kelvooverlapmask.h"
#include "kelvotextholderwidget.h"
#include "kelvotextpictures.h"

#include <QPainter>
#include <QTimer>

KelvoImgEncodeWidget::KelvoImgEncodeWidget(QWidget* parent, const QString& name,
                                           Qt::WindowFlags flags)
    : KelvoImgSelectionWidget(parent) {
    setWindowFlags(windowFlags() | flags);
    setObjectName(name);
    m_dataManager = new KelvoDataManageWidget(this);
    m_dataManager->hide();
    m_dataManager->setDataActionCallback(
        [this](int action, int number) { itemAction(action, number); });
    m_dataManager->setSelectCallback([this](int number) { itemSelected(number); });
    // The rooms are worked out once a burst of changes is over.
    m_roomTimer = new QTimer(this);
    m_roomTimer->setSingleShot(true);
    connect(m_roomTimer, &QTimer::timeout, this, &KelvoImgEncodeWidget::showRooms);
}

KelvoImgEncodeWidget::~KelvoImgEncodeWidget() = default;

QString KelvoImgEncodeWidget::widgetKey() const {
    return QStringLiteral("KELVO_ENCODER_WIDGET");
}

void KelvoImgEncodeWidget::setStateChangedCallback(StateChangedCallback callback) {
    m_stateChanged = std::move(callback);
}

void KelvoImgEncodeWidget::setActivatedCallback(ActivatedCallback callback) {
    m_activated = std::move(callback);
}

QPoint KelvoImgEncodeWidget::placementPoint() const {
    const auto it = m_regions.find(regionNumber());
    if (it != m_regions.end() && !it->second.outlines.empty() &&
        !it->second.outlines.front().isEmpty()) {
        return toWidgetCoordinates(it->second.outlines.front().first());
    }
    return outlinePoints().isEmpty() ? offset() : toWidgetCoordinates(outlinePoints().first());
}

TheS_Data* KelvoImgEncodeWidget::newRegion(TheS_Data data) {
    QPolygon outline = imageOutline();
    if (outlinePoints().size() < 3 || outline.size() < 3) {
        return nullptr;
    }
    if (outline.last() == outline.first()) {
        outline.removeLast();
    }
    data.outlines = {outline};
    dropOutline(false);
    const int number = regionNumber();
    TheS_Data& region = m_regions[number] = std::move(data);
    m_dataManager->addRow(tr("Data %1").arg(number), number);
    return &region;
}

void KelvoImgEncodeWidget::dataAdded(QWidget* widget, QPoint at) {
    setDataAttached(true);
    m_hasData = !m_regions.empty();
    widget->show();
    widget->move(at);
    pinToPicture(widget);
    notifyState();
}

void KelvoImgEncodeWidget::notifyState() {
    m_roomTimer->start();
    if (m_stateChanged) {
        m_stateChanged(isSelectionClosed(), m_hasData);
    }
}

void KelvoImgEncodeWidget::warn(const QString& text) {
    int answer = 0;
    showMessage(answer, this, tr("Kelvo - Message"), text, tr("OK"));
}

void KelvoImgEncodeWidget::attachText(const QString& text) {
    const QPoint at = placementPoint();
    auto* holder = new KelvoTextHolderWidget(this, QStringLiteral("TextHolder"), text,
                                             KelvoTextPictures::textHolderIcon(), false);
    const auto it = m_regions.find(regionNumber());
    if (it != m_regions.end()) {
        if (it->second.dictEntry || !it->second.images.empty()) {
            delete holder;
            warn(tr("An image dictionary entry or another image is already specified for this "
                    "region."));
            return;
        }
        it->second.texts.push_back(holder);
    } else {
        TheS_Data data;
        data.texts.push_back(holder);
        if (!newRegion(std::move(data))) {
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
    const auto it = m_regions.find(regionNumber());
    if (it != m_regions.end()) {
        if (!it->second.texts.empty() || !it->second.images.empty()) {
            warn(tr("Unformatted text or another image is already specified for this region."));
            return false;
        }
        // A holder replaced here stays on the picture, no longer coded.
        it->second.dictEntry = holder;
    } else {
        TheS_Data data;
        data.dictEntry = holder;
        if (!newRegion(std::move(data))) {
            return false;
        }
    }
    dataAdded(holder, at);
    return true;
}

void KelvoImgEncodeWidget::insertShapedText(int kind) {
    QPoint at;
    if (!outlinePoints().isEmpty()) {
        at = toWidgetCoordinates(outlinePoints().first());
    } else if (const auto it = m_regions.find(regionNumber());
               it != m_regions.end() && !it->second.images.empty()) {
        at = it->second.images.front().snippet->pos();
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
    attachShapedText(regionNumber(), widget);
    dataAdded(widget, at);
}

void KelvoImgEncodeWidget::attachShapedText(int number, KelvoEditorShapedText* widget) {
    const auto it = m_regions.find(number);
    if (it != m_regions.end()) {
        it->second.shapedTexts.push_back({{}, widget});
        return;
    }
    TheS_Data data;
    data.shapedTexts.push_back({{}, widget});
    // Without a closed outline the shaped text stays on the picture without a region.
    newRegion(std::move(data));
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
    TheS_ImgDataItem item{snippet->snippet(), snippet->outline(), snippet};
    if (!item.outline.isEmpty()) {
        nextRegionNumber();
        setDataAttached(true);
        TheS_Data data;
        data.images.push_back(std::move(item));
        m_regions[regionNumber()] = std::move(data);
        m_dataManager->addRow(tr("Data %1").arg(regionNumber()), regionNumber());
    }
    m_hasData = !m_regions.empty();
    notifyState();
}

void KelvoImgEncodeWidget::nextRegionNumber() {
    setRegionNumber(m_regions.empty() ? 1 : m_regions.rbegin()->first + 1);
}

void KelvoImgEncodeWidget::pictureLoaded() {
    setWindowTitle(fileName());
    if (m_activated) {
        m_activated(selectionMode(), isSelectionClosed(), m_hasData);
    }
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
    const std::set<int> hidden = hiddenRegions();
    for (const auto& [number, region] : m_regions) {
        if (!region.isTextLike() || hidden.count(number)) {
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
    for (const auto& [number, region] : m_regions) {
        for (const TheS_ImgDataItem& image : region.images) {
            limitSnippet(image.snippet);
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

std::set<int> KelvoImgEncodeWidget::hiddenRegions() const {
    std::set<int> hidden;
    for (const auto& [number, region] : m_regions) {
        if (m_dataManager->isRegionHidden(number)) {
            hidden.insert(number);
        }
    }
    return hidden;
}
