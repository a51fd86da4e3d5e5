#include "kelvogenerator.h"

// The codec's encoder and decoder are being written; until they land the operations below
// report that nothing is coded.

bool KelvoGenerator::isCoded(const QImage&) {
    return false;
}

void KelvoGenerator::eraseAll(QImage&) {}

bool KelvoGenerator::eraseRegion(QImage&, const KelvoIndexedImage&, int) {
    return false;
}

KelvoDataObjs KelvoGenerator::buildRecords(int, const KelvoGeneratorRegion&) {
    return {};
}

bool KelvoGenerator::generate(const QImage&, QImage&, const KelvoRegionMap&, bool, uint32_t,
                              const Progress&, QString* error) {
    if (error) {
        *error = QStringLiteral("the encoder is not available yet");
    }
    return false;
}
