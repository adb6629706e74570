#pragma once

#include "fileops/tfremgangsform.h"

class QLineEdit;
class QProgressBar;
class QPushButton;
class QStatusBar;

// The progress window of a copy: the file in hand, the whole operation, the counting of the
// source folders, and Stop.
class Tprogressform : public TFremgangsform {
    Q_OBJECT
public:
    explicit Tprogressform(QWidget* mainWindow);

    void setInfoBarAntal(qint64 mapper);

    QProgressBar* pBar;
    QProgressBar* pBarAll;
    QProgressBar* pBarAktiv;
    QStatusBar* infoBar;
    QLabel* infoBarAntal;
    QPushButton* stopButton;
    QLineEdit* destinationEdit;
    QLabel* kildeLabel;
    QLabel* infoLabel;
};
