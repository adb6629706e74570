#pragma once

#include <QString>

// The options of one explorer window, one field per line of its 24-line option file. A new
// object holds the designed state of every option.
struct StifinderIndstillinger {
    QString Mappenavn = QStringLiteral("/");  // 1: current folder
    QString Filnavn;                          // 2: current file, may be empty
    int mappeStrukturBredde = 300;            // 3: width of the folder tree
    bool privatCheckBox = false;              // 4: private folders at the top
    int RadioOpstart = 0;                     // 5: start-up mode 0 to 2
    bool hiddenCheck = false;                 // 6: show hidden files and folders
    int mappeBox = 1;                         // 7: tree for a known folder
    int winBogSide = 0;                       // 8: page of the right panel
    int favoritBogSide = 0;                   // 9: page of the favourites
    int spmBox = 0;                           // 10: when to ask before paste and delete
    int resultBox = 3;                        // 11: what to do when a pasted name exists
    bool DragDropCheck = true;                // 12
    bool opdaterCheck = true;                 // 13
    bool visKlipbordCheck = false;            // 14
    bool rydCheck = true;                     // 15
    bool LukCheck = true;                     // 16
    bool visIndstillingerCheck = true;        // 17
    int fanePlaceringsBox = 0;                // 18
    bool udfoldCheck = false;                 // 19
    int redskabsCheck = 0;                    // 20
    bool tabVisCheck1 = true;                 // 21: "Kendte mapper"
    bool tabVisCheck2 = true;                 // 22: "Favoritter"
    bool tabVisCheck3 = true;                 // 23: "Fil og mappenavne"
    bool tabVisCheck0 = true;                 // 24: "Besøgte mapper"

    bool operator==(const StifinderIndstillinger&) const = default;
};

constexpr int stifinderLinjeAntal = 24;

// Sets the values an explorer falls back on; the other options keep their state.
void defaultStifinderOpt(StifinderIndstillinger& s);

// Reads the option file onto s: a file of exactly 24 lines is applied line by line (a line that
// does not hold what its place calls for stops the reading, and the defaults are laid over what
// was read); a missing file or another number of lines gives the defaults. A current folder that
// no longer exists becomes "/", a current file that no longer exists becomes empty. False when
// the file is there but could not be read whole.
bool hentStifinderOpt(const QString& fil, StifinderIndstillinger& s);

// Replaces the option file with the 24 lines; false when it could not be written.
bool gemStifinderOpt(const QString& fil, const StifinderIndstillinger& s);
