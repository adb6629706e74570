#pragma once

#include "controls/billedlaeser.h"

#include <optional>

// The desktop's shared thumbnail cache ($XDG_CACHE_HOME/thumbnails, levels normal 128, large 256,
// x-large 512 and xx-large 1024 pixels), entries named by the MD5 of the file's URI and valid
// while their recorded modification time is the file's.

// The cache's folder.
QString miniatureCacheMappe();

// The picture fitted into maks from a valid entry large enough for it; none when there is no
// such entry.
std::optional<Miniature> hentFraCache(const QString& sti, QSize maks);

// Writes the entry of the level that a thumbnail of maks reads from, decoding the picture anew.
// Nothing for a picture larger than the largest level needs, for one that cannot be read, and for
// files inside the cache itself. The entry is written under a temporary name and renamed; the
// folders are the owner's alone (0700), the files too (0600).
void skrivTilCache(const QString& sti, QSize maks);
