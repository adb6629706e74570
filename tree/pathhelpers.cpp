#include "tree/pathhelpers.h"

QString delimKon(const QString& path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}
