#pragma once

#include <QImage>
#include <QSize>
#include <QStringList>

// Which pictures a panel reads.
enum TFilType { ftBmp, ftJpg, ftIco, ftBegge };

// The kinds of picture a panel shows, in the order of their groups: bmp, jpg (".jpg", ".jpeg",
// ".jpe"), ico, and then png, gif (its first frame) and webp where Qt's image readers read them.
QStringList billedtyper();
// The kinds as a Danish enumeration: "bmp, jpg, ico, png eller gif".
QString billedtyperTekst();

// The pictures of a folder in the order the panel shows them: one group per kind, in the order of
// billedtyper(), each in the folder reader's order of names. FilType ftBmp, ftJpg or ftIco takes
// that group alone, ftBegge every group. Extensions compare without regard to case (cameras write
// ".JPG"). Hidden files are left out as in the explorer.
QStringList billedfiler(const QString& mappe, TFilType FilType);

// One picture made small: the picture itself fitted into the box asked for (never enlarged,
// upright by its EXIF orientation, without any background), and the picture's own upright width
// and height when they could be read. A picture that could not be read (empty, corrupt, not a
// regular file, too large to decode) has fejl set and no picture.
struct Miniature {
    QImage billede;
    QSize original;
    bool fejl = true;
};

// Reads a picture and makes it fit into maks. JPEG files are decoded at the smallest DCT scale
// that covers the box; anything else, or JPEG that the fast decoder refuses (CMYK), through Qt's
// readers by the file's content. Safe to call from several threads at once.
Miniature laesMiniature(const QString& sti, QSize maks);
// The same for a picture file's content.
Miniature miniatureAfIndhold(const QByteArray& data, QSize maks);

// How many pictures have been decoded in this process (the thumbnail cache is measured by it).
int antalAfkodninger();
