// A contact sheet of all icons for judging them by eye: each icon at 22 pixels enlarged four
// times, at 44 pixels enlarged twice, and both at their own size, on a light and a dark ground.
#pragma once

#include <QImage>

QImage iconContactSheet();
