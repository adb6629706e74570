#pragma once

#include "platform/applikationsid.h"

#include <QString>
#include <QStringList>

// The places the shipped tree "Program" is looked for, in order, for a program in programMappe:
// beside it (a build), then the installed data folder as the install rules place it.
QStringList leveredeSteder(const QString& programMappe);

// The first of those places that holds the tree; empty when none does.
QString findLeveretProgram(const QString& programMappe);

// What the start says when no place holds the tree and the user has no copy of it.
QString manglendeProgramBesked(const QString& programMappe);
