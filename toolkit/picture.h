#pragma once

#include <QImage>
#include <QString>

// Every picture exists at 1x as "name.ext" and at 2x as "name@2x.ext". Reads the one that suits a
// screen of the given device pixel ratio (PNG through Qt, JPEG through libjpeg) and sets its
// device pixel ratio, so it keeps its designed size in the window. Null when it cannot be read.
QImage loadPicture(const QString &path, qreal ratio);

// The file loadPicture reads for the ratio.
QString pictureFile(const QString &path, qreal ratio);

// A picture made for another ratio, scaled smoothly to the screen's own, so that a 1.5 screen
// gets a 2x picture scaled down, not one drawn with every other pixel doubled. Pictures already
// at the ratio come back as they are.
QImage fitToRatio(const QImage &picture, qreal ratio);
