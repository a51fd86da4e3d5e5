#include "kelvoimgencodewidget.h"

#include "kelvodatamanagewidget.h"
#include "kelvoimgsnip.h"
#include "kelvomsgdlg.h"
#include "kelvooverlapmask.h"
#include "kelvoregioncommands.h"
#include "kelvoregionoverlap.h"

#include <QCloseEvent>
#include <QMetaMethod>
#include <QPainter>
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
    m_attacher = std::make_unique<KelvoDataAttacher>(*this);
    m_generation = std::make_unique<KelvoEncodeGeneration>(*this, m_regions, *m_dataManager);
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

QPolygon KelvoImgEncodeWidget::takeClosedOutline() {
    QPolygon outline = imageOutline();
    if (outlinePoints().size() < 3 || outline.size() < 3) {
        return {};
    }
    if (outline.last() == outline.first()) {
        outline.removeLast();
    }
    dropOutline(false);
    return outline;
}

void KelvoImgEncodeWidget::changeRegion(int number,
                                        const std::optional<KelvoRegionModel::Region>& after,
                                        const QString& change) {
    m_undo->push(new KelvoRegionCommand(m_regions, number, after, change));
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

void KelvoImgEncodeWidget::notifyState() {
    m_generation->regionsChanged();
    emit stateChanged(isSelectionClosed(), hasData());
}

void KelvoImgEncodeWidget::warn(const QString& text) {
    int answer = 0;
    showMessage(answer, this, tr("Kelvo - Message"), text, tr("OK"));
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

void KelvoImgEncodeWidget::limitSnippet(KelvoImgSnip* snippet) const {
    const QSize room = picture().size() - snippet->size();
    snippet->setAllowedArea(offset().x(), offset().y(),
                            qRound(room.width() * zoom()) + snippet->width(),
                            qRound(room.height() * zoom()) + snippet->height());
}

bool KelvoImgEncodeWidget::selectionFree() const {
    return outlinePoints().isEmpty() || imageOutline().isEmpty() ||
           KelvoRegionOverlap::outlineFree(imageOutline(), regions(), picture().size(),
                                           m_protectedMask.get());
}

bool KelvoImgEncodeWidget::regionsFree() const {
    return KelvoRegionOverlap::imagesFree(regions(), picture().size(), m_protectedMask.get());
}

bool KelvoImgEncodeWidget::plainSaveWanted() {
    if (m_regions.empty()) {
        return true;
    }
    int answer = 0;
    if (!showMessage(answer, this, tr("Kelvo - Message"),
                     tr("Image parts are associated with data that are not coded yet.\n"
                        "Generate the coded image, or save the picture without the data?"),
                     tr("Generate"), 1, tr("Save plain"), tr("Cancel"))) {
        return false;
    }
    if (answer == 1) {
        generateCodedImage();
    }
    return answer == 2;
}

KelvoImgEncodeWidget::Generation KelvoImgEncodeWidget::generateCodedImage() {
    QString fileName;
    const Generation generation = m_generation->generate(fileName);
    if (generation == Generation::Saved) {
        emit replaceRequested(this, fileName);
    }
    return generation;
}

void KelvoImgEncodeWidget::takeOverCodedImage(const QImage& outlineImage, const QImage& idImage,
                                              int count) {
    if (outlineImage.size() != picture().size() || idImage.size() != picture().size()) {
        return;
    }
    m_existingRegionCount = count;
    m_displayImage = outlineImage.copy();
    m_protectedMask = std::make_unique<KelvoOverlapMask>(KelvoOverlapMask::fromIdImage(idImage));
    m_displayed = &m_displayImage;
    update();
    emit activated(selectionMode(), isSelectionClosed(), hasData());
}

void KelvoImgEncodeWidget::closeEvent(QCloseEvent* event) {
    if (!m_regions.empty()) {
        int answer = 0;
        // Escape and closing the box cancel, as "Cancel" does: the window stays with its data.
        if (!showMessage(answer, this, tr("Kelvo - Message"),
                         tr("Image parts are associated with data.\nWould you like to generate "
                            "the coded image now?"),
                         tr("Yes"), 1, tr("No"), tr("Cancel")) ||
            answer == 3) {
            event->ignore();
            return;
        }
        if (answer == 1) {
            const Generation generation = generateCodedImage();
            // A failure or a cancel keeps the author's work; after a save the host replaces
            // the window.
            if (generation == Generation::Failed || generation == Generation::Cancelled ||
                (generation == Generation::Saved &&
                 isSignalConnected(QMetaMethod::fromSignal(&KelvoImgWidget::replaceRequested)))) {
                event->ignore();
                return;
            }
        }
    }
    KelvoImgSelectionWidget::closeEvent(event);
}
