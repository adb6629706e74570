#pragma once

#include "app/datafolders.h"
#include "app/mainsettings.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QLineEdit;
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

    // Opening and running files, consoles and the system's file manager. Failures of the shell
    // are shown in the information box through ErrorInfo.
    void runFilname(const QString& aFilename, int fileRunNumber);
    void OpenFilen(const QString& aFilnavn, bool forRedigering);
    void OpenFilMedProgram(const QString& aProgram, const QString& aFilnavn);
    void OpenTheEle();
    void MenuExeParam(const QString& aProgram, const QString& aCaption);
    void ErrorInfo(int Nr);
    void dosKnapClick();
    void SpeedButton81Click();
    void aGoBoksExecute();
    void aOpenStifinderExecute();

    // The current element: the folder or file the explorer windows show.
    QLineEdit* EditSti() const { return editSti; }
    // The status bar: panel 0 the current program, panel 2 messages.
    void InfoProg(const QString& S);
    void UdskrivInfo(const QString& S);
    QString statusTekst() const;

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
    QWidget* byggeStiPanel();
    void byggeStatusbar();
    void byggeHandlinger();
    // Reports a shell result through ErrorInfo when it is a failure.
    void rapporter(int resultat);
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
    QLineEdit* editSti = nullptr;
    QLabel* infobarProgram = nullptr;
    QLabel* infobarBesked = nullptr;
    QAction* aGoBoks = nullptr;
    QAction* aOpenStifinder = nullptr;
};
