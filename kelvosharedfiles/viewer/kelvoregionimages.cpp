#include "kelvoregionimages.h"

#include <QRgb>

#include <algorithm>
#include <array>
#include <climits>

namespace {

constexpr int kPaletteSize = 256;

struct Job {
    const KelvoRegionImageSource* source = nullptr;
    int minX = INT_MAX, minY = INT_MAX, maxX = -1, maxY = -1;
    QImage image;
    std::size_t next = 0;
    bool hasPixel = false;
};

// Job index of the region whose fill pixels carry each palette index, or -1.
std::array<int, kPaletteSize> fillJobs(const QImage& idImage, const std::vector<Job>& jobs) {
    std::array<int, kPaletteSize> jobOfKey;
    jobOfKey.fill(-1);
    for (std::size_t j = 0; j < jobs.size(); ++j) {
        if (jobs[j].source->key < kPaletteSize) {
            jobOfKey[jobs[j].source->key] = static_cast<int>(j);
        }
    }
    std::array<int, kPaletteSize> jobOfIndex;
    jobOfIndex.fill(-1);
    const int colours = std::min(idImage.colorCount(), kPaletteSize);
    for (int i = 0; i < colours; ++i) {
        const QRgb entry = idImage.color(i);
        if (qRed(entry) == 255) {
            jobOfIndex[i] = jobOfKey[qBlue(entry)];
        }
    }
    return jobOfIndex;
}

// Calls visit(job, x, y) for every pixel of `area` whose palette index belongs to a job, in
// raster order.
template <class Visit>
void forEachFillPixel(const QImage& idImage, const QRect& area,
                      const std::array<int, kPaletteSize>& jobOf, Visit visit) {
    const int left = area.left();
    const int right = area.right();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar* line = idImage.constScanLine(y);
        for (int x = left; x <= right; ++x) {
            if (const int j = jobOf[line[x]]; j >= 0) {
                visit(j, x, y);
            }
        }
    }
}

} // namespace

std::map<uint32_t, KelvoRegionImage>
kelvoBuildRegionImages(const QImage& idImage, const std::vector<KelvoRegionImageSource>& sources,
                       int64_t pixelBudget, int* overBudget) {
    std::map<uint32_t, KelvoRegionImage> images;
    if (overBudget) {
        *overBudget = 0;
    }
    if (sources.empty() || idImage.format() != QImage::Format_Indexed8) {
        return images;
    }
    std::vector<Job> jobs(sources.size());
    for (std::size_t j = 0; j < sources.size(); ++j) {
        jobs[j].source = &sources[j];
    }
    const std::array<int, kPaletteSize> jobOf = fillJobs(idImage, jobs);

    forEachFillPixel(idImage, idImage.rect(), jobOf, [&](int j, int x, int y) {
        Job& job = jobs[j];
        job.minX = std::min(job.minX, x);
        job.maxX = std::max(job.maxX, x);
        job.minY = std::min(job.minY, y);
        job.maxY = std::max(job.maxY, y);
    });
    int64_t used = 0;
    QRect built; // the boxes of the images being built
    for (Job& job : jobs) {
        if (job.maxX < 0) {
            continue;
        }
        const int64_t area = int64_t(job.maxX - job.minX + 1) * (job.maxY - job.minY + 1);
        if (used + area > pixelBudget) {
            if (overBudget) {
                ++*overBudget;
            }
            continue;
        }
        job.image = QImage(job.maxX - job.minX + 1, job.maxY - job.minY + 1, QImage::Format_ARGB32);
        if (!job.image.isNull()) {
            used += area;
            job.image.fill(Qt::transparent);
            built |= QRect(QPoint(job.minX, job.minY), QPoint(job.maxX, job.maxY));
        }
    }

    forEachFillPixel(idImage, built, jobOf, [&](int j, int x, int y) {
        Job& job = jobs[j];
        const std::vector<uint8_t>& indices = *job.source->indices;
        if (job.image.isNull() || job.next >= indices.size()) {
            return;
        }
        const uint8_t index = indices[job.next++];
        if (index < job.source->colours->size()) {
            reinterpret_cast<QRgb*>(job.image.scanLine(y - job.minY))[x - job.minX] =
                0xFF000000u | (*job.source->colours)[index];
            job.hasPixel = true;
        }
    });
    for (const Job& job : jobs) {
        if (!job.hasPixel) {
            continue;
        }
        QPixmap pixmap = QPixmap::fromImage(job.image);
        if (!pixmap.isNull()) {
            images[job.source->key] = {pixmap, QPoint(job.minX, job.minY)};
        }
    }
    return images;
}
