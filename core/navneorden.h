#pragma once

#include "core/strukturrec.h"

#include <QList>

// Sorts entries by caption in the order a Danish reader expects: case ignored, numbers by their
// value ("fil2" before "fil10"), Æ, Ø and Å after Z; captions equal in that order stand by their
// exact text.
void sorterNavne(QList<StrukturEntry>& entries);
