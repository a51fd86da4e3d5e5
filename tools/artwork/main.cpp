// kelvo-artwork: paints the editor's icons, its start and about pictures and a sample picture.
//
//   kelvo-artwork SOURCE_DIR [--contact-sheet FILE.png]
//
// writes editor/app/icons/<name>.png (22 pixels) and <name>-44.png (44 pixels), the program
// icon also as kelvo-16.png, -32, -48, -64, -128 and -256 (with kelvo.png, the desktop's icon
// sizes), data/pixmaps/startImg.png and kelvoInfo.png, and the
// plain sample picture "data/My Kelvos/harbour.png" under SOURCE_DIR, the root of the source
// tree. Run it after changing a painting or the project version (which the pictures show) and
// commit the pictures it writes; the build uses the committed files. The contact sheet shows
// every icon enlarged, for judging them by eye.
#include "kelvocontactsheet.h"
#include "kelvoicons.h"
#include "kelvopictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

namespace {

bool save(const QImage& image, const QString& fileName) {
    if (!image.save(fileName, "PNG", 0)) {
        QTextStream(stderr) << fileName << ": cannot write picture\n";
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2 && !(args.size() == 4 && args[2] == QLatin1String("--contact-sheet"))) {
        QTextStream(stderr) << "usage: kelvo-artwork SOURCE_DIR [--contact-sheet FILE.png]\n";
        return 2;
    }
    const QDir root(args[1]);
    const QString iconDir = root.filePath(QStringLiteral("editor/app/icons"));
    const QString pixmapDir = root.filePath(QStringLiteral("data/pixmaps"));
    if (!QDir().mkpath(iconDir) || !QDir().mkpath(pixmapDir)) {
        QTextStream(stderr) << "cannot make the folders under " << args[1] << "\n";
        return 2;
    }
    bool ok = true;
    for (const KelvoIconArt& icon : kelvoIcons()) {
        const QString base = iconDir + QLatin1Char('/') + icon.name;
        ok = save(renderIcon(icon, 22), base + QStringLiteral(".png")) && ok;
        ok = save(renderIcon(icon, 44), base + QStringLiteral("-44.png")) && ok;
    }
    const KelvoIconArt& program = kelvoIcons().back();
    for (int size : {16, 32, 48, 64, 128, 256}) {
        ok = save(renderIcon(program, size), iconDir + QStringLiteral("/kelvo-%1.png").arg(size)) &&
             ok;
    }
    const QString version = QStringLiteral(KELVO_VERSION);
    ok = save(startPicture(version), pixmapDir + QStringLiteral("/startImg.png")) && ok;
    ok = save(aboutPicture(version), pixmapDir + QStringLiteral("/kelvoInfo.png")) && ok;
    const QString samplesDir = root.filePath(QStringLiteral("data/My Kelvos"));
    ok = save(harbourPicture(), samplesDir + QStringLiteral("/harbour.png")) && ok;
    if (args.size() == 4) {
        ok = save(iconContactSheet(), args[3]) && ok;
    }
    return ok ? 0 : 1;
}
