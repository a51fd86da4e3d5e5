// Picture sizes shared by the benchmark cases: 1, 4 and 12 megapixels.
#pragma once

struct PictureSize {
    int width;
    int height;
};

inline PictureSize sizeOf(int megapixels) {
    switch (megapixels) {
    case 1:
        return {1000, 1000};
    case 4:
        return {2000, 2000};
    default:
        return {4000, 3000};
    }
}
