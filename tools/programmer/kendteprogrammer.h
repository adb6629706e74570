#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The well-known programs that "Check for programmer" offers, in the order they are looked for.
struct KendtProgram {
    const char* knap;     // the button's name
    const char* tekst;    // the button's caption
    const char* caption;  // the new entry's caption
    const char* gruppe;   // "Browsere", "Andre" or "Medie afspillere"
    const char* hint;
};
const QList<KendtProgram>& kendteProgrammer();

// Where a well-known program is on this system: the first of its places that exists and that no
// program of the list has (A-Z folded); empty when none qualifies.
QString kendtProgramsSti(const KendtProgram& program, const QStringList& listensStier);
