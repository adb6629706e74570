#pragma once

class QTabWidget;
class QWidget;

// The tabs of a book in a narrow panel: a button for each page, in rows that go on in a new row
// where the width runs out, so every tab stays whole and in sight. The book's own tab bar is
// hidden; the buttons and the book follow each other. Returns the book under its rows, to be
// placed where the book was meant to go.
QWidget* medOmbrudteFaner(QTabWidget* bog);
