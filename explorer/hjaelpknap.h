#pragma once

class Programkontekst;
class QHBoxLayout;
class QString;
class QToolButton;
class QWidget;

// A help button, named navn, that opens a page of the information pages.
QToolButton* hjaelpKnap(const char* navn, const QString& hint, const QString& side, Programkontekst& main, QWidget* parent);

// A row with the help button at its right end.
QHBoxLayout* hjaelpRaekke(QToolButton* knap);
