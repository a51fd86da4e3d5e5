#include "kelvotwscrollstyle.h"

#include <QStyleFactory>

KelvoTWScrollStyle::KelvoTWScrollStyle(QObject* parent)
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {
    setParent(parent);
}

int KelvoTWScrollStyle::pixelMetric(PixelMetric, const QStyleOption*, const QWidget*) const {
    return kMetric;
}
