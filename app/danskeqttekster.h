#pragma once

// Qt's own windows (the file dialog) speak Danish like the rest of the program: numbers, dates
// and file kinds follow Danish custom, Qt's Danish translation is loaded, and the words that
// translation leaves in English are given in Danish after it.
void brugDanskeQtTekster();
