#pragma once

#include <QString>
#include <QStringList>

// The main settings, one field per line of MainEgenskaber.txt. A new object holds the designed
// initial state of every setting.
struct MainSettings {
    QString designName = QStringLiteral("Sky");  // 1
    int mainTop = 50;                             // 2
    int mainLeft = 250;                           // 3
    int mainWidth = 1270;                         // 4
    int mainHeight = 870;                         // 5
    int maxElementer = 120;                       // 6
    int Fontbox = 1;                              // 7: 0 "Lille", 1 "Mellem", 2 "Stor"
    bool trayCheck = false;                       // 8
    bool mainPanelVisible = true;                 // 9
    int FontnavnBox = 5;                          // 10
    QString exeProgram;                           // 11
    int openInfo = 0;                             // 12: 0 "Internt", 1 "Externt"
    int openGenveje = 0;                          // 13
    int openProgrammer = 0;                       // 14
    int openStrukturer = 0;                       // 15
    int openTekstfiler = 0;                       // 16
    int openBilleder = 0;                         // 17
    int openKalender = 0;                         // 18
    int OnClickIndex = -1;                        // 19
    QString OnClickCaption;                       // 20
    int FremFormCheck = 0;                        // 21: 0 "Niveaustruktur", 1 "Punktstruktur"
    int openWmi = 0;                              // 22
    int HovedbogPage = 0;                         // 23
    int ProgrambogPage = 0;                       // 24
    QString PlaceringsMappe;                      // 25
    int visProgrammer = 0;                        // 26
    int funkBogPage = 0;                          // 27
    int GBoxV = 2;                                // 28
    int GBoxL = 2;                                // 29
    int colIndex = 0;                             // 30
    bool CheckStrukturLinjer = false;             // 31
    bool TryedBefore = false;                     // 32
    bool Vistoppanel = true;                      // 33
    int bogfanerBox = 2;                          // 34: 0 "Fladknapper", 1 "Knapper", 2 "Tabs"
    int genvejsBogPage = 0;                       // 35
    bool sammeKlipbord = true;                    // 36
    bool minimerCheck = false;                    // 37
    bool sikkerhedsCheck = true;                  // 38
    bool blokerCheck = false;                     // 39
    bool tabVisCheck1 = true;                     // 40: page "Søg på nettet"
    bool tabVisCheck2 = true;                     // 41: page "Notater"
    bool tabVisCheck3 = false;                    // 42: page "Program genveje"
    bool tabVisCheck4 = false;                    // 43: page "Indhold"
    bool beskedCheck = false;                     // 44
    bool vhaFunkCheck = false;                    // 45

    bool operator==(const MainSettings&) const = default;
};

constexpr int mainSettingsLineCount = 45;

// Applies the lines in order onto settings. Stops at the first line that does not hold what its
// place calls for (a word where a number belongs, an index beyond its choices) and returns false;
// the lines before it stay applied.
bool applyMainSettingsLines(const QStringList& lines, MainSettings& settings);

// Sets the values the program falls back on when the settings file is missing or unusable; the
// other settings keep their state.
void applyDefaultOpt(MainSettings& settings);

// The 45 lines that store the settings.
QStringList mainSettingsLines(const MainSettings& settings);
