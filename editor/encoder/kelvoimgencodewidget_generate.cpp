// The encoder window's overlap checks (KelvoRegionOverlap), the generation of the coded picture,
// its saving, the take-over of a coded picture, and the questions before saving the plain picture
// and on closing.
#include "kelvocodedimagebuilder.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoencdonedlg.h"
#include "kelvoimagewriter.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimgsnip.h"
#include "kelvomsgdlg.h"
#include "kelvooverlapmask.h"
#include "kelvoregionoverlap.h"

#include <QCloseEvent>
#include <QDir>
#include <QMetaMethod>
#include <QProgressDialog>

bool KelvoImgEncodeWidget::selectionFree() const {
    return outlinePoints().isEmpty() || imageOutline().isEmpty() ||
           KelvoRegionOverlap::outlineFree(imageOutline(), regions(), picture().size(),
                                           m_protectedMask.get());
}

bool KelvoImgEncodeWidget::regionsFree() const {
    return KelvoRegionOverlap::imagesFree(regions(), picture().size(), m_protectedMask.get());
}

bool KelvoImgEncodeWidget::prepareItems() {
    for (const auto& entry : regions()) {
        if (!placeItems(entry.first, *m_regions.find(entry.first), true)) {
            return false;
        }
    }
    return true;
}

bool KelvoImgEncodeWidget::placeItems(int number, TheS_Data& region, bool tell) const {
    // Hidden shaped texts are not coded; hidden image parts still take part in the checks.
    if (!m_regions.isHidden(number)) {
        for (TheS_TextDataItem& text : region.shapedTexts) {
            // Coded at the picture point it sits on, whatever the zoom.
            const QPoint origin = text.widget->pos() - picturePosition(text.widget);
            if (!tell && !text.widget->codingError(origin).isEmpty()) {
                text.codedBytes.clear();
                continue;
            }
            text.codedBytes = text.widget->codedBytes(origin);
            if (text.codedBytes.empty()) {
                return false;
            }
        }
    }
    if (!region.images.empty()) {
        // An image region covers the place where its snippet lies now.
        region.outlines.clear();
        for (const TheS_ImgDataItem& image : region.images) {
            region.outlines.push_back(image.outline.translated(picturePosition(image.snippet)));
        }
    }
    return true;
}

bool KelvoImgEncodeWidget::hiddenRegionsAccepted() {
    QStringList names;
    for (const int number : m_regions.hiddenRegions()) {
        names << m_regions.name(number);
    }
    if (names.isEmpty()) {
        return true;
    }
    int answer = 0;
    return showMessage(answer, this, tr("Kelvo - Message"),
                       tr("The data of these regions are hidden and will not be coded into the "
                          "image:\n%1\n\nGenerate the coded image without them?")
                           .arg(names.join(QStringLiteral(", "))),
                       tr("Generate"), 1, tr("Cancel")) &&
           answer == 1;
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
    if (!hiddenRegionsAccepted()) {
        return Generation::Cancelled;
    }
    if (!prepareItems()) {
        return Generation::Failed;
    }
    if (!regionsFree()) {
        warn(tr("Selected regions should not overlap."));
        return Generation::Failed;
    }
    // The rows show the figures of what is generated now, and the done dialog names the
    // regions that will show.
    showRooms();
    const std::set<int>& hidden = m_regions.hiddenRegions();
    // Three steps before the regions are embedded, then one per region.
    const int total = int(regions().size() - hidden.size()) + 3;
    delete m_progress;
    m_progress = new QProgressDialog(this);
    m_progress->setLabelText(QString());
    m_progress->setCancelButton(nullptr);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setRange(0, total);
    m_progress->setValue(0);
    int step = 0;
    const auto progress = [this, &step, total] {
        step = std::min(step + 1, total);
        if (m_progress) {
            m_progress->setValue(step);
        }
        emit generationProgress(step, total);
    };
    QImage output;
    KelvoGeneratorError error;
    const bool generated =
        KelvoCodedImageBuilder::generate(picture(), regions(), hidden, !hasCodedData(),
                                         m_existingRegionCount, output, progress, &error);
    if (m_progress) {
        m_progress->reset();
    }
    if (!generated) {
        warn(tr("A problem occured during generating the coded picture.") + QStringLiteral("\n\n") +
             failureText(error));
        return Generation::Failed;
    }
    QString fileName;
    if (!askSaveCodedImage(fileName, this, visibleRegionsNotice())) {
        return Generation::Declined;
    }
    if (!saveCodedImage(output, fileName)) {
        return Generation::Failed;
    }
    emit replaceRequested(this, fileName);
    return Generation::Saved;
}

bool KelvoImgEncodeWidget::saveCodedImage(const QImage& image, QString& fileName) {
    fileName = KelvoCodedImageBuilder::pngFileName(fileName);
    QString why;
    if (writeImageExact(fileName, image, "PNG", &why)) {
        return true;
    }
    warn(tr("The coded picture could not be saved as \"%1\":\n%2")
             .arg(QDir::toNativeSeparators(fileName), why));
    return false;
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
