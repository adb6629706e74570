#pragma once

#include <QString>

// The Danish message for a failure code of the shell; one text for every code it does not know.
QString errorTekst(int Nr);
