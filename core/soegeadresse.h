#pragma once

#include <QString>

// The web searches of the left panel.
enum class Soegetjeneste { Google, Bing, YouTube };

// The address that searches the service for exactly the text: every character but A-Z, a-z, 0-9
// and "-._~" percent-encoded as UTF-8, so "&", "#", "+" and line breaks are searched as typed.
QString soegeadresse(Soegetjeneste tjeneste, const QString& tekst);
