#pragma once

#include <QString>
#include <QStringList>

// Benchmark pictures made once under a folder: noisy photographs as cameras write them, and the
// other kinds the panel reads or passes over.
namespace billeddata {

// A noisy JPEG of the size, 4:2:0, quality q, progressive or baseline.
QByteArray foto(int bredde, int hoejde, int kvalitet, bool progressiv, unsigned froe);

// Writes the files when the folder does not have them yet; the paths of the JPEGs.
QStringList sikrFotos(const QString& mappe, int antal, int bredde, int hoejde, int progressive);
// BMP, ICO and PNG files beside them.
void sikrAndre(const QString& mappe, int bmp, int ico, int png);

// Peak resident memory of this process in megabytes.
double topRssMb();

}  // namespace billeddata
