#include "kelvoregionmodel.h"

const TheS_Data* KelvoRegionModel::find(int number) const {
    const auto it = m_regions.find(number);
    return it == m_regions.end() ? nullptr : &it->second;
}

TheS_Data* KelvoRegionModel::find(int number) {
    const auto it = m_regions.find(number);
    return it == m_regions.end() ? nullptr : &it->second;
}

std::optional<KelvoRegionModel::Region> KelvoRegionModel::region(int number) const {
    const TheS_Data* data = find(number);
    if (!data) {
        return std::nullopt;
    }
    return Region{*data, name(number), isHidden(number)};
}

int KelvoRegionModel::regionOf(const QWidget* widget) const {
    for (const auto& [number, data] : m_regions) {
        for (const QWidget* shown : data.widgets()) {
            if (shown == widget) {
                return number;
            }
        }
    }
    return 0;
}

QString KelvoRegionModel::name(int number) const {
    const auto it = m_names.find(number);
    return it == m_names.end() ? QString() : it->second;
}

int KelvoRegionModel::nextNumber() const {
    return m_regions.empty() ? 1 : m_regions.rbegin()->first + 1;
}

void KelvoRegionModel::set(int number, const std::optional<Region>& region) {
    const bool existed = contains(number);
    if (!region) {
        if (existed) {
            m_regions.erase(number);
            m_names.erase(number);
            m_hidden.erase(number);
            emit regionRemoved(number);
        }
        return;
    }
    m_regions[number] = region->data;
    m_names[number] = region->name;
    if (region->hidden) {
        m_hidden.insert(number);
    } else {
        m_hidden.erase(number);
    }
    if (existed) {
        emit regionChanged(number);
    } else {
        emit regionAdded(number);
    }
}
