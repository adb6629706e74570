#pragma once

#include "app/datafolders.h"
#include "app/mainsettings.h"

#include <QMainWindow>

class QLabel;
class QMdiArea;
class QPushButton;
class QTabWidget;
class QTimer;
class Tinfform;
class Tspform;

// The main window: the frame of the program and the owner of the program-wide state (the data
// folders, the main settings, the counters of running operations and explorer windows).
class Tmainform : public QMainWindow {
    Q_OBJECT
public:
    // shippedProgram: the installed tree "Program" that comes with the executable.
    // arguments: the command-line arguments after the program name.
    Tmainform(const QString& shippedProgram, const QStringList& arguments);

    // The two message boxes of the run, made after the main window.
    void setBokse(Tinfform* info, Tspform* spoergsmaal);
    Tinfform* infform() const { return info; }
    Tspform* spform() const { return spoergsmaal; }

    void CreateMapper();
    void HentOpt();
    bool GemOpt();
    void defaultOpt();

    void startProgDoButtonClick();
    void makeOpstartProg();
    void startProgTimerTimer();
    QTimer* startProgTimer() const { return spTimer; }

    // Runs the steps of the first activation; later activations do nothing.
    void FormActivate();
    void HovedbogChange();

    // The folder to show in the first explorer window: the one argument, when it names an
    // existing folder; empty for any other argument list.
    static QString startMappeFraArgumenter(const QStringList& arguments);

    DataFolders folders;
    MainSettings opt;
    bool opstart = true;
    int processCount = 0;
    bool MsRedigeret = false;
    int NewCount = 0;
    QString SPtimerFilename;
    int SPtimerCount = 0;
    QString startMappe;  // handed to "Stifinder 1"

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void byggeVindue();
    QWidget* byggeVenstrePanel();
    void anvendIndstillinger();
    void hentVinduesTilstand();
    void bestemTabs();
    bool maaLukke();
    void FormClose();

    QString shippedProgram;
    QStringList opstartsProblemer;
    Tinfform* info = nullptr;
    Tspform* spoergsmaal = nullptr;
    QTimer* spTimer = nullptr;
    QMdiArea* mdiArea = nullptr;
    QWidget* mainPanel = nullptr;
    QLabel* informationsKnappenL = nullptr;
    QTabWidget* Hovedbog = nullptr;
    QTabWidget* funkBog = nullptr;
    QTabWidget* Programbog = nullptr;
    QTabWidget* genvejsBog = nullptr;
    QPushButton* startProgDoButton = nullptr;
};
