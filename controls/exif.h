#pragma once

#include <QByteArray>
#include <QImage>

// The EXIF orientation of a JPEG file's bytes (1 to 8), 1 when it has none or it cannot be read.
int exifOrientering(const QByteArray& jpeg);

// Turns a picture stored in orientation 1 to 8 upright.
QImage retOp(const QImage& billede, int orientering);
