#pragma once

class QFileDialog;

// Qt's own file dialog as the program shows it: its sizes and dates in Danish and its columns
// as wide as their texts.
void tilpasFildialog(QFileDialog& dialog);
