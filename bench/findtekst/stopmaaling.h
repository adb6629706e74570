#pragma once

#include <QString>

// text-search-stop: eight plain text documents of 200 MiB under rod (made once); the search, run
// as the window runs it, is stopped inside the second or a later document, at points spread over
// it from round to round, and the milliseconds from stop() to "faerdig" are measured. Prints as its
// last line "text-search-stop ms N", N the median of the rounds; gives the exit code.
int maalStop(const QString& rod);
