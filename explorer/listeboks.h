#pragma once

class Handlingsregler;
class QListWidget;
class QString;
class QWidget;

// A list box of a list page whose changes of lines and of selection run the rules again.
QListWidget* listeboks(const char* navn, const QString& hint, Handlingsregler* regler, QWidget* parent);
