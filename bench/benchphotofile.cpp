// Writes the 12 MP benchmark photograph as PNG (the way an author's photo arrives, saved by Qt)
// and as BMP, for the whole-process comparison in steghide_compare.sh.
#include "benchphoto.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: kelvo_benchphoto OUT.png OUT.bmp\n");
        return 2;
    }
    const QImage photo = benchPhoto(12);
    const bool written =
        photo.save(QString::fromLocal8Bit(argv[1]), "PNG") &&
        photo.convertToFormat(QImage::Format_RGB888).save(QString::fromLocal8Bit(argv[2]), "BMP");
    return written ? 0 : 1;
}
