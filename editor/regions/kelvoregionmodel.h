// The regions of an encoder window with their data, the names the author gave them and whether
// their data are hidden (hidden data stay in the editor but are not coded). The encoder window
// and its data manager both observe it; every change goes through set(), so that the undo
// commands can restore any earlier state.
#pragma once

#include "thes_data.h"

#include <QObject>
#include <QString>

#include <optional>
#include <set>

class KelvoRegionModel : public QObject {
    Q_OBJECT
public:
    // Everything the map holds about one region.
    struct Region {
        TheS_Data data;
        QString name;
        bool hidden = false;
    };

    using QObject::QObject;

    const TheS_RegionMap& regions() const { return m_regions; }
    bool contains(int number) const { return m_regions.count(number) != 0; }
    bool empty() const { return m_regions.empty(); }
    // Null when there is no such region. The mutable form is for the generation, which fills
    // in coded bytes and the outlines of image regions without changing what the author made.
    const TheS_Data* find(int number) const;
    TheS_Data* find(int number);
    std::optional<Region> region(int number) const;
    // The region that shows `widget`, or 0.
    int regionOf(const QWidget* widget) const;
    QString name(int number) const;
    bool isHidden(int number) const { return m_hidden.count(number) != 0; }
    const std::set<int>& hiddenRegions() const { return m_hidden; }
    // 1 for an empty map, else one above the largest number.
    int nextNumber() const;

    // Puts `region` under `number`, replacing what was there; without one, removes `number`.
    void set(int number, const std::optional<Region>& region);

signals:
    void regionAdded(int number);
    void regionRemoved(int number);
    // Its data, name or hidden state changed.
    void regionChanged(int number);

private:
    TheS_RegionMap m_regions;
    std::map<int, QString> m_names;
    std::set<int> m_hidden;
};
