#include "kelvoencodegeneration.h"

#include "kelvocodedimagebuilder.h"
#include "kelvodatamanagewidget.h"
#include "kelvoeditorshapedtext.h"
#include "kelvoencdonedlg.h"
#include "kelvoimagewriter.h"
#include "kelvoimgencodewidget.h"
#include "kelvoimgsnip.h"
#include "kelvomsgdlg.h"

#include <QDir>
#include <QProgressDialog>
#include <QTimer>
#include <QtConcurrentRun>

KelvoEncodeGeneration::KelvoEncodeGeneration(KelvoImgEncodeWidget& window,
                                             KelvoRegionModel& regions,
                                             KelvoDataManageWidget& dataManager)
    : m_window(window), m_regions(regions), m_dataManager(dataManager),
      m_roomTimer(new QTimer(this)) {
    m_roomTimer->setSingleShot(true);
    connect(m_roomTimer, &QTimer::timeout, this, &KelvoEncodeGeneration::planRooms);
    connect(&m_planned, &QFutureWatcher<KelvoRegionRooms>::finished, this, [this] {
        if (m_planWanted) {
            m_planWanted = false;
            showRooms(m_planned.result());
        }
    });
}

void KelvoEncodeGeneration::regionsChanged() {
    m_roomTimer->start();
}

bool KelvoEncodeGeneration::prepareItems() {
    for (const auto& entry : m_regions.regions()) {
        if (!placeItems(entry.first, *m_regions.find(entry.first), true)) {
            return false;
        }
    }
    return true;
}

bool KelvoEncodeGeneration::placeItems(int number, TheS_Data& region, bool tell) const {
    // Hidden shaped texts are not coded; hidden image parts still take part in the checks.
    if (!m_regions.isHidden(number)) {
        for (TheS_TextDataItem& text : region.shapedTexts) {
            // Coded at the picture point it sits on, whatever the zoom.
            const QPoint origin = text.widget->pos() - m_window.picturePosition(text.widget);
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
            region.outlines.push_back(
                image.outline.translated(m_window.picturePosition(image.snippet)));
        }
    }
    return true;
}

KelvoRegionMap KelvoEncodeGeneration::plannedRegions() const {
    TheS_RegionMap regions = m_regions.regions();
    for (auto& [number, region] : regions) {
        placeItems(number, region, false);
    }
    return KelvoCodedImageBuilder::generatorRegions(regions, m_regions.hiddenRegions());
}

void KelvoEncodeGeneration::planRooms() {
    // A plan still running is dropped: its regions are out of date. It holds copies of the
    // regions only.
    m_planWanted = true;
    m_planned.setFuture(QtConcurrent::run(kelvoRegionRooms, m_window.picture().size(),
                                          plannedRegions(),
                                          uint32_t(m_window.existingRegionCount())));
}

void KelvoEncodeGeneration::showRooms() {
    m_roomTimer->stop();
    m_planWanted = false;
    showRooms(kelvoRegionRooms(m_window.picture().size(), plannedRegions(),
                               uint32_t(m_window.existingRegionCount())));
}

void KelvoEncodeGeneration::showRooms(KelvoRegionRooms rooms) {
    m_rooms = std::move(rooms);
    for (const auto& entry : m_regions.regions()) {
        const int number = entry.first;
        const auto room = m_rooms.find(number);
        m_dataManager.showRoom(number, room == m_rooms.end() ? nullptr : &room->second);
    }
}

QString KelvoEncodeGeneration::regionName(int number) const {
    const KelvoDataManageWidgetItem* row = m_dataManager.row(number);
    return row ? row->label() : tr("Data %1").arg(number);
}

QString KelvoEncodeGeneration::failureText(const KelvoGeneratorError& error) const {
    return error.region == KelvoGeneratorError::kNoRegion
               ? error.reason
               : QStringLiteral("%1: %2").arg(regionName(error.region), error.reason);
}

QString KelvoEncodeGeneration::visibleRegionsNotice() const {
    QStringList names;
    for (const auto& [number, room] : m_rooms) {
        if (room.fits() && room.capacity.visible()) {
            names << regionName(number);
        }
    }
    return names.isEmpty() ? QString()
                           : tr("The data of these regions are packed so densely that they "
                                "visibly change the picture there: %1")
                                 .arg(names.join(QStringLiteral(", ")));
}

bool KelvoEncodeGeneration::hiddenRegionsAccepted() {
    QStringList names;
    for (const int number : m_regions.hiddenRegions()) {
        names << m_regions.name(number);
    }
    if (names.isEmpty()) {
        return true;
    }
    int answer = 0;
    return showMessage(answer, &m_window, tr("Kelvo - Message"),
                       tr("The data of these regions are hidden and will not be "
                          "coded into the image:\n%1\n\nGenerate the coded image "
                          "without them?")
                           .arg(names.join(QStringLiteral(", "))),
                       tr("Generate"), 1, tr("Cancel")) &&
           answer == 1;
}

KelvoEncodeGeneration::Outcome KelvoEncodeGeneration::generate(QString& fileName) {
    if (!hiddenRegionsAccepted()) {
        return Outcome::Cancelled;
    }
    if (!prepareItems()) {
        return Outcome::Failed;
    }
    if (!m_window.regionsFree()) {
        m_window.warn(tr("Selected regions should not overlap."));
        return Outcome::Failed;
    }
    // The rows show the figures of what is generated now, and the done dialog names the
    // regions that will show.
    showRooms();
    const std::set<int>& hidden = m_regions.hiddenRegions();
    // Three steps before the regions are embedded, then one per region.
    const int total = int(m_regions.regions().size() - hidden.size()) + 3;
    delete m_progress;
    m_progress = new QProgressDialog(&m_window);
    m_progress->setLabelText(QString());
    m_progress->setCancelButton(nullptr);
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setMinimumDuration(0);
    m_progress->setRange(0, total);
    m_progress->setValue(0);
    int step = 0;
    const auto stepDone = [this, &step, total] {
        step = std::min(step + 1, total);
        if (m_progress) {
            m_progress->setValue(step);
        }
        emit progress(step, total);
    };
    QImage output;
    KelvoGeneratorError error;
    const bool generated = KelvoCodedImageBuilder::generate(
        m_window.picture(), m_regions.regions(), hidden, !m_window.hasCodedData(),
        m_window.existingRegionCount(), output, stepDone, &error);
    if (m_progress) {
        m_progress->reset();
    }
    if (!generated) {
        m_window.warn(tr("A problem occured during generating the coded picture.") +
                      QStringLiteral("\n\n") + failureText(error));
        return Outcome::Failed;
    }
    if (!askSaveCodedImage(fileName, &m_window, visibleRegionsNotice())) {
        return Outcome::Declined;
    }
    return saveCodedImage(output, fileName) ? Outcome::Saved : Outcome::Failed;
}

bool KelvoEncodeGeneration::saveCodedImage(const QImage& image, QString& fileName) {
    fileName = KelvoCodedImageBuilder::pngFileName(fileName);
    QString why;
    if (writeImageExact(fileName, image, "PNG", &why)) {
        return true;
    }
    m_window.warn(tr("The coded picture could not be saved as \"%1\":\n%2")
                      .arg(QDir::toNativeSeparators(fileName), why));
    return false;
}
