#include "kelvoregionrooms.h"

#include "kelvogenerator.h"

KelvoRegionRooms kelvoRegionRooms(const QSize& size, KelvoRegionMap regions, uint32_t firstKey) {
    KelvoRegionRooms rooms;
    // Each refusal names one region at most; the plan is made again without it, so that the
    // other regions still get their figures.
    while (!regions.empty()) {
        KelvoGeneratorPlan plan;
        KelvoGeneratorError error;
        if (KelvoGenerator::prepare(size, regions, firstKey, plan, {}, &error)) {
            const std::vector<KelvoRegionCapacity> capacities = kelvoPlanCapacity(plan.encoding);
            for (std::size_t i = 0; i < capacities.size(); ++i) {
                rooms[plan.numbers[i]].capacity = capacities[i];
            }
            break;
        }
        if (error.region == KelvoGeneratorError::kNoRegion) {
            for (const auto& entry : regions) {
                rooms[entry.first].problem = error.reason;
            }
            break;
        }
        rooms[error.region].problem = error.reason;
        if (regions.erase(error.region) == 0) {
            break;
        }
    }
    return rooms;
}
