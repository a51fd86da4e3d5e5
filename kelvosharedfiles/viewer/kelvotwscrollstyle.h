// The style of a text balloon's external scroll bars: the Windows look with every metric 8
// pixels, so that the bars fit their 7-pixel strips.
#pragma once

#include <QProxyStyle>

class KelvoTWScrollStyle : public QProxyStyle {
    Q_OBJECT
public:
    static constexpr int kMetric = 8;

    explicit KelvoTWScrollStyle(QObject* parent = nullptr);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};
