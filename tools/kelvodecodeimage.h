// What the decoder finds in a QImage (kelvodecodedpicture.h of kelvo_report).
#pragma once

#include "kelvodecodedpicture.h"

#include <QImage>

KelvoDecodedPicture kelvoDecodeImage(const QImage& image);
