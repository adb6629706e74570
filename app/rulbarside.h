#pragma once

class QScrollArea;
class QWidget;

// A page in a scroll area, for a page that may be taller (or wider) than the space it gets: what
// does not fit scrolls into view instead of being cut off. The page keeps the look of its book.
QScrollArea* rulbarSide(QWidget* side);

class QTabWidget;

// The page at index of a book whose pages stand in scroll areas.
QWidget* bogside(const QTabWidget* book, int index);
