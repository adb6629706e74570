#pragma once

#include "fileops/tfremgangsform.h"

class QProgressBar;

// The window of a deletion: its kind and total, the files left and the folders, each ticked when
// it is gone.
class Tdeleteform : public TFremgangsform {
    Q_OBJECT
public:
    explicit Tdeleteform(QWidget* mainWindow);

    QLabel* destLabel;
    QProgressBar* proBar;
    QLabel* mapperLabel;
};
