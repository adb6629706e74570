#pragma once

#include "app/programentry.h"
#include "app/tmainform.h"
#include "explorer/tlisteform.h"
#include "explorer/twinform.h"

// The main window makes its explorer and clipboard windows as the program does.
inline void medStifindere(Tmainform& main)
{
    main.setStifinderFabrik([](Tmainform& m) { return new Twinform(m); });
    main.setKlipbordFabrik([](Tmainform& m) { return new Tlisteform(m, m.opt.sammeKlipbord, m.NewCount); });
}

// The program started past its first run, with "Stifinder 1" open; that window.
inline Twinform* startMedStifinder(ProgramEntry& entry)
{
    medStifindere(entry.mainform());
    entry.mainform().opt.TryedBefore = true;
    entry.start();
    entry.mainform().FormActivate();
    return dynamic_cast<Twinform*>(entry.mainform().getWinform(QStringLiteral("Stifinder 1")));
}
