#pragma once

#include <QString>

class QHBoxLayout;
class QWidget;
class Tmainform;

// The bottom row of a tool window: the main window's explorer button, and at the right the
// "Information" button (shown only in a window of its own, opening the help page) and "Luk"
// (named lukNavn).
QHBoxLayout* vaerktoejsBund(Tmainform& main, QWidget* vindue, bool internt, const QString& hjaelpeside,
                            const char* lukNavn = "ButtonLuk");
