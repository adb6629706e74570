#pragma once

#include <QString>
#include <QWidget>

class Beskeder;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;

// The information window of a file, a folder or a drive: one page for each, the page of the
// element shown kept in front; for a file, read-only and hidden can be changed.
class Tfilinfoform : public QWidget {
    Q_OBJECT
public:
    Tfilinfoform(QWidget* mainWindow, Beskeder* beskeder);

    // Shows page side (0 file, 1 folder, 2 drive) under caption and keeps it in front.
    void visSide(int side, const QString& caption);
    void aAnvendExecute();
    void aUdfoldExecute();
    void aSammenfoldExecute();

    QString Filnavn;
    int SideNummer = 0;

    QTabWidget* Bog;
    QLabel* ikonBox;
    QLineEdit* EditFilnavn;
    QLineEdit* EditPath;
    QLabel* LabelSize;
    QLabel* LabelOprettet;
    QLabel* LabelForandret;
    QLabel* LabelAabnet;
    QCheckBox* cbReadOnly;
    QCheckBox* cbHidden;
    QAction* aAnvend;
    QLabel* LabelFiltype;
    QLineEdit* EditMappenavn;
    QLabel* LabelPlacering;
    QLabel* LabelMappeSize;
    QLabel* LabelMappeIndhold;
    QLabel* LabeloprettelsesDato;
    QLabel* ImageDrive;
    QLineEdit* EditDisknavn;
    QLabel* LabelFreeSpace;
    QLabel* LabelAnvendtSpace;
    QLabel* LabelKapasitet;
    QProgressBar* ProgressBar;
    QLabel* LabelType;
    QLabel* LabelFilsystem;

private:
    QWidget* byggeFilSide();
    QWidget* byggeMappeSide();
    QWidget* byggeDrevSide();
    void opdaterStoerrelsesHandlinger();

    Beskeder* FBeskeder;
    QPushButton* ButtonInfo;
    QAction* aUdfold;
    QAction* aSammenfold;
};
