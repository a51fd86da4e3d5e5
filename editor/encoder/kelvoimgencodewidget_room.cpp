// The encoder window's figures of each region's room for its data: shown in the data manager
// while the author works, and named when generating fails or shows in the picture.
#include "kelvocodedimagebuilder.h"
#include "kelvodatamanagewidget.h"
#include "kelvoimgencodewidget.h"

#include <QTimer>

void KelvoImgEncodeWidget::showRooms() {
    m_roomTimer->stop();
    TheS_RegionMap regions = m_regions.regions();
    for (auto& [number, region] : regions) {
        placeItems(number, region, false);
    }
    m_rooms = kelvoRegionRooms(
        picture().size(),
        KelvoCodedImageBuilder::generatorRegions(regions, m_regions.hiddenRegions()),
        uint32_t(m_existingRegionCount));
    for (const auto& entry : regions) {
        const auto room = m_rooms.find(entry.first);
        m_dataManager->showRoom(entry.first, room == m_rooms.end() ? nullptr : &room->second);
    }
}

QString KelvoImgEncodeWidget::regionName(int number) const {
    const KelvoDataManageWidgetItem* row = m_dataManager->row(number);
    return row ? row->label() : tr("Data %1").arg(number);
}

QString KelvoImgEncodeWidget::failureText(const KelvoGeneratorError& error) const {
    return error.region == KelvoGeneratorError::kNoRegion
               ? error.reason
               : QStringLiteral("%1: %2").arg(regionName(error.region), error.reason);
}

QString KelvoImgEncodeWidget::visibleRegionsNotice() const {
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
