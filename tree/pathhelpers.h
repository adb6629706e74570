#pragma once

#include <QString>

// The path with a closing "/"; an empty path gives "/", a path that already ends in "/" stays.
QString delimKon(const QString& path);
