// Text that compression hardly shortens, for regions filled to their limit.
#pragma once

#include <QRandomGenerator>
#include <QString>

// `length` printable ASCII characters in no order.
inline QString kelvoNoiseText(int length, quint32 seed) {
    QRandomGenerator random(seed);
    QString text;
    for (int i = 0; i < length; ++i) {
        text += QLatin1Char(char('!' + random.bounded(94)));
    }
    return text;
}
