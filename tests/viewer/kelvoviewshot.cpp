// kelvo-viewshot: opens a picture in a viewer the way a host does, moves the pointer, toggles
// outlines, pins the balloon shown and saves screenshots, in the order given:
//
//   kelvo-viewshot IMAGE [--hover X,Y] [--outlines] [--anchor] [--screenshot OUT.png] ...
//
// X,Y are picture coordinates. Meant to run under a virtual X server (xvfb-run -a), where the
// pointer is moved for real, so that the viewer sees the events a user's moves would make.
#include "kelvotextwidget.h"
#include "kelvotwanchorbutton.h"
#include "kelvoviewerwidget.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QScreen>
#include <QTextStream>
#include <QThread>

namespace {

constexpr int kMargin = 40; // around the picture, so that balloons near its edges show
constexpr int kSettleMs = 150;

void settle() {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < kSettleMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
}

int usage() {
    QTextStream(stderr) << "usage: kelvo-viewshot IMAGE [--hover X,Y] [--outlines] [--anchor] "
                           "[--screenshot OUT.png] ...\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.isEmpty()) {
        return usage();
    }
    KelvoViewerWidget viewer;
    if (!viewer.loadImage(args.first())) {
        return 1;
    }
    viewer.resize(viewer.picture().size() + QSize(2 * kMargin, 2 * kMargin));
    viewer.move(0, 0);
    viewer.show();
    if (viewer.hasCodedData()) {
        const DecodeStatistics stats = viewer.decodePicture();
        QTextStream(stdout) << "areas " << stats.annotatedAreas << ", texts "
                            << stats.unformattedTexts << ", formatted " << stats.formattedTexts
                            << ", images " << stats.encodedImages << ", translatable "
                            << stats.translatableTexts << "\n";
    }
    settle();

    for (qsizetype i = 1; i < args.size(); ++i) {
        const QString& option = args[i];
        const bool hasValue = i + 1 < args.size();
        if (option == QLatin1String("--hover") && hasValue) {
            const QStringList xy = args[++i].split(QLatin1Char(','));
            if (xy.size() != 2) {
                return usage();
            }
            const QPoint inPicture(xy[0].toInt(), xy[1].toInt());
            QCursor::setPos(viewer.mapToGlobal(inPicture + viewer.offset()));
        } else if (option == QLatin1String("--outlines")) {
            viewer.setOutlinesShown(!viewer.outlinesShown());
        } else if (option == QLatin1String("--anchor")) {
            if (KelvoTextWidget* balloon = viewer.activeTextWidget()) {
                balloon->anchorButton()->click();
            }
        } else if (option == QLatin1String("--screenshot") && hasValue) {
            settle();
            const QPixmap shot = viewer.screen()->grabWindow(viewer.winId());
            if (!shot.save(args[++i])) {
                QTextStream(stderr) << "cannot write " << args[i] << "\n";
                return 1;
            }
        } else {
            return usage();
        }
        settle();
    }
    return 0;
}
