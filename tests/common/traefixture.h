#pragma once

#include "boxes/boksbeskeder.h"
#include "boxes/tinfform.h"
#include "boxes/tspform.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QMainWindow>
#include <QTreeWidget>

// The folder tree and the folder-and-file tree in a home of its own, with the message boxes of a
// main window scripted: the ground of the tree engine's and the method component's tests.
struct TraeFixture {
    TraeFixture()
        : info(&main)
        , spoergsmaal(&main)
        , beskeder(&info, &spoergsmaal)
    {
        struktur2.setSelectionMode(QAbstractItemView::ExtendedSelection);
    }

    TestHome home;
    QMainWindow main;
    Tinfform info;
    Tspform spoergsmaal;
    BoksBeskeder beskeder;
    ScriptedBoxes boxes;
    QTreeWidget struktur1;
    QTreeWidget struktur2;
};
