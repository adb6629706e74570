#pragma once

#include "controls/tbibpan.h"
#include "controls/tbitmapx.h"
#include "controls/trammex.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QSize>

// An offscreen thumbnail panel with the gallery's frame that reads a folder and reports how long
// until every picture was read.
struct PanelMaaling {
    TRammeFeltX ramme;
    TBitmapX liste;
    TBibPan pan;

    // The panel's size for fields that hold thumbnails of a size: the thumbnail, one pixel, the
    // margins and the frame, and the gaps between the fields.
    static QSize til(QSize miniature, int vandret, int lodret)
    {
        const QSize felt = miniature + QSize(1 + 4 + 4, 1 + 4 + 4);
        return QSize(felt.width() * vandret + 2 * (vandret - 1), felt.height() * lodret + 2 * (lodret - 1));
    }

    PanelMaaling(QSize stoerrelse, int vandret, int lodret)
    {
        ramme.Art = rtInd;
        ramme.Bredde = 2;
        ramme.Margen = 2;
        ramme.AfstandVandret = ramme.AfstandLodret = 2;
        pan.setRammeFelt(&ramme);
        pan.BitmapFelt = &liste;
        pan.IndreMargen = 2;
        pan.resize(stoerrelse);
        pan.NyeFelterVL(vandret, lodret);
        pan.show();
    }

    // Reads the folder; the milliseconds until the last picture was read.
    double laes(const QString& mappe)
    {
        QEventLoop loekke;
        QObject::connect(&pan, &TBibPan::OnAntalIalt, &loekke, &QEventLoop::quit);
        QElapsedTimer ur;
        ur.start();
        pan.setBibliotek(mappe);
        if (pan.Laeser())
            loekke.exec();
        return ur.nsecsElapsed() / 1e6;
    }
};
