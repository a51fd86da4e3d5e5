#include "kelvotransparentpattern.h"

#include "kelvopaths.h"

#include <QPixmap>

QBrush kelvoTransparentPattern() {
    const QPixmap pattern(
        KelvoPaths::installPath(QStringLiteral("pixmaps/transparentBackground.xpm")));
    if (pattern.isNull()) {
        return QBrush(QColor(204, 204, 204), Qt::Dense4Pattern);
    }
    return QBrush(pattern);
}
