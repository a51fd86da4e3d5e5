// The start picture and the about picture that the editor shows centred over its main window.
#pragma once

#include <QImage>
#include <QString>

// 360 by 240: the logo, the product name and what it does.
QImage startPicture(const QString& version);
// 360 by 260: the logo, the product name, the version and a one-sentence description. The
// editor lays its OK button over the bottom centre (x w/2-17, y h-30, 35 by 25), which stays
// free of text.
QImage aboutPicture(const QString& version);
// 400 by 300: a harbour with a lighthouse, a boat and hills, without hidden data; the plain
// sample picture delivered in "My Kelvos".
QImage harbourPicture();
