// The brush with which the editor marks a transparent background.
#pragma once

#include <QBrush>

// The pattern "pixmaps/transparentBackground.xpm" from the installation; a grey dotted grey
// when the file cannot be read.
QBrush kelvoTransparentPattern();
