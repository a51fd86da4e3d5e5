#include "kelvocapacitycommand.h"

#include "kelvoregionrooms.h"
#include "kelvotoolcommands.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

KelvoCapacityCommand::Report KelvoCapacityCommand::report(const QString& image,
                                                          const QString& annotations) {
    const KelvoToolCommands::Generation generation =
        KelvoToolCommands::generate(image, annotations);
    KelvoRegionRooms rooms =
        kelvoRegionRooms(generation.size, generation.notes.regions, generation.firstKey);
    if (!generation.ok) {
        // The encoder's refusal is the answer, also where only the coded pixels could tell.
        if (generation.error.region == KelvoGeneratorError::kNoRegion) {
            for (auto& entry : rooms) {
                entry.second.problem = generation.error.reason;
            }
        } else {
            KelvoRegionRoom& faulty = rooms[generation.error.region];
            if (faulty.problem.isEmpty() &&
                (faulty.capacity.fits() || faulty.capacity.bytes == 0)) {
                faulty.problem = generation.error.reason;
            }
        }
    }
    Report report;
    report.allFit = generation.ok;
    QJsonArray entries;
    for (const auto& [number, room] : rooms) {
        const KelvoRegionCapacity& figures = room.capacity;
        // Regions are numbered from 1 in file order; the entry names the file's index.
        QJsonObject entry{{QStringLiteral("region"), number - 1},
                          {QStringLiteral("bytes"), qint64(figures.bytes)},
                          {QStringLiteral("room"), qint64(figures.room)},
                          {QStringLiteral("pixels"), qint64(figures.pixels)},
                          {QStringLiteral("level"), figures.level},
                          {QStringLiteral("visible"), figures.visible()},
                          {QStringLiteral("fits"), room.fits()}};
        if (!room.problem.isEmpty()) {
            entry.insert(QStringLiteral("problem"), room.problem);
        }
        entries.append(entry);
    }
    report.json = QJsonDocument(entries).toJson(QJsonDocument::Indented);
    return report;
}
