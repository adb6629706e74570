#pragma once

#include "app/programkontekst.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>

class BoksBeskeder;
class StifinderVindue;
class Handlingsregler;
class HintFilter;
template <class S>
class IndstillingsBinder;
class Beskeder;
class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QListWidget;
class TMenuExeFiler;
class TReopenFilerY;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSystemTrayIcon;
class QTabBar;
class QTabWidget;
class QTimer;
class QTreeWidget;
class QToolButton;
class QListWidget;
class Hjaelpesider;
class StifinderVindue;
class Tinfform;
class Tspform;
enum class Soegetjeneste;

// The main window: the frame of the program and the owner of the program-wide state (the data
// folders, the main settings, the counters of running operations and explorer windows).
class Tmainform : public QMainWindow, public Programkontekst {
    Q_OBJECT
public:
    // shippedProgram: the installed tree "Program" that comes with the executable.
    // arguments: the command-line arguments after the program name.
    Tmainform(const QString& shippedProgram, const QStringList& arguments);
    ~Tmainform() override;

    // The two message boxes of the run, made after the main window.
    void setBokse(Tinfform* info, Tspform* spoergsmaal);
    Tinfform* infform() const { return info; }
    Tspform* spform() const { return spoergsmaal; }
    // The boxes as the engines use them.
    Beskeder* beskeder() const override;

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
    void runFilname(const QString& aFilename, int fileRunNumber) override;
    void OpenFilen(const QString& aFilnavn, bool forRedigering) override;
    void OpenFilMedProgram(const QString& aProgram, const QString& aFilnavn) override;
    void OpenTheEle();
    void MenuExeParam(const QString& aProgram, const QString& aCaption);
    void ErrorInfo(int Nr);
    void dosKnapClick();
    void SpeedButton81Click();
    void aGoBoksExecute();
    void aOpenStifinderExecute();

    // The current element: the folder or file the explorer windows show.
    QLineEdit* EditSti() const override { return editSti; }
    // The status bar: panel 0 the current program, panel 2 messages and hints.
    void InfoProg(const QString& S);
    // The program list and its page.
    TMenuExeFiler* MenuExe = nullptr;
    void loadProgramBox();
    void programBoxClick(int nr);
    void programBoxDblClick(int nr);
    void MenuExeKlik(QAction* item, const QString& caption, bool fundet);
    // Turns the left panel to the page of programs.
    void visProgramside();
    void UdskrivInfo(const QString& S) override;
    QString statusTekst() const;
    // Posts a notification to the desktop's notification centre.
    bool makeInfo(const QString& overskrift, const QString& tekst) override;
    // Opens the desktop's browser on the service's search for the text ("Der mangler et søgeord"
    // when it is empty); a failure through ErrorInfo.
    void soegPaaNettet(Soegetjeneste tjeneste, const QString& tekst);

    // The notes: the list of NotatMappe's notes, and whether the heading was typed into since the
    // note was last saved or loaded (saving over an existing note then asks first).
    void loadNotater();
    bool nytNotatNavn = false;
    // The command list from "dosfiler.txt"; without that file, from the command files there are.
    void hentDosFiler();
    int ncNumber = 0;

    // Child windows. New explorer windows are made by the factory that the explorer registers.
    using StifinderFabrik = std::function<QWidget*(Tmainform& main)>;
    void setStifinderFabrik(StifinderFabrik fabrik) { stifinderFabrik = std::move(fabrik); }
    // Where a tool window of its own ("Externt") stands: a file in OptMappe whose first lines are
    // its left and top, its height when the defaults give three numbers and its width when they
    // give four (a window of a fixed size gives two); the window is placed from it when made and
    // the lines written back when it closes. No file: the window places itself.
    struct EksternPlacering {
        QString filnavn;
        QList<int> standard;
    };
    // A tool window of one kind, by the name of the action that opens it. A name that no action
    // of the main window has is a programming error: std::invalid_argument.
    void registrerVaerktoej(const QString& actionName, std::function<QWidget*()> fabrik,
                            EksternPlacering placering = {});
    // Shows the tool window, making it first when needed: inside the frame ("Internt") or as a
    // window of its own ("Externt"), its choice of way locked while it exists. The window, or none
    // when the tool has not registered.
    QWidget* aabnVaerktoej(const QString& actionName);
    // One of the main window's actions by its name; an unknown name is a programming error:
    // std::invalid_argument.
    QAction* hovedhandling(const QString& navn) const;
    QMdiArea* mdi() const { return mdiArea; }
    QTabBar* tc() const { return elementTabs; }
    // Shows a made child window inside the frame, maximised when asked.
    QMdiSubWindow* visElement(QWidget* window, bool maksimeret = false);

    void InsertTab();
    void SetTCindex();
    void fokusTab(const QString& aName);
    void CloseTab(const QString& aCapNavn);
    QWidget* makeNewStifinder();
    void openStifinder();
    void aktiverWinform(bool opdater, const QString& potMappe);
    QWidget* getWinform(const QString& aCaption) override;
    // The explorer window of that caption, without a message when there is none.
    QWidget* stifinderMedNavn(const QString& aCaption) const override;
    void aktiverElement(QWidget* window) override;
    QWidget* hovedvindue() override { return this; }
    void skiftBlokering() override;
    void CloseElementExecute();
    void CloseAlleElementerExecute();

    // The clipboards: a new clipboard window is made by the factory the clipboard registers.
    void setKlipbordFabrik(StifinderFabrik fabrik) { klipbordFabrik = std::move(fabrik); }
    QWidget* getKlipbord() override;
    void setKlipbord(QWidget* aWinform) override;
    void kopierKlipbordsdata(const QString& aCaption, const QStringList& Mliste, const QStringList& Fliste) override;
    void udskivKlipbordInf(const QString& antMapper, const QString& antFiler) override;

    // Acting on the current element through an explorer or a tool window.
    void aInsertMappeExecute();
    void aFindDocExecute();
    void aInsertGenvejExecute();
    void selectFromGal(const QString& aFilnavn, bool medDelete);
    // The first explorer window shows a folder, or a level structure of folders and then a folder.
    // A folder that is gone is said as one of the program's important folders deleted.
    void visKalMappe(const QString& aMappe) override;
    void opretKalenderStruk(QStringList aList, const QString& aMappe);
    // Every explorer window takes the tree font of the options (each new one asks too).
    void FontboxClick() override;
    void FontnavnBoxClick();
    void RegisterEleFromGal(const QString& aEleNavn);

    // The home-made structure menu.
    QMenu* PuMappeStruk() const override { return strukturMenu; }
    void loadMappeStruktur(bool medMappestrukturform) override;
    void CallOnClick() override;
    void mMsOnClick(QAction* item);
    // Shows folders as a bullet or level outline in the first explorer window (opened when there
    // is none) and goes to gaaTil, or to the outline's folder; the explorer, or none.
    StifinderVindue* visStrukturOmrids(QStringList mapper, bool punktstruktur, const QString& gaaTil);

    // The help pages, once registered: a page file (a name with ".html"); the page of the active
    // child window (F1). The left panel's page 5 is theirs to fill.
    void setHjaelpesider(Hjaelpesider* sider) { hjaelpesider = sider; }
    // Opens an HTML file the program wrote in the desktop's browser; with none, in the
    // information window.
    void visHtmlSide(const QString& sti);
    void InfoHelp(const QString& S) override;
    void aInfoExecute();
    void informationsKnappenClick();
    QWidget* informationsside() const { return infoPlads; }

    // Runs the steps of the first activation; later activations do nothing.
    void FormActivate();
    void HovedbogChange();
    void aPanelVExecute();
    // Shows the left panel on one of its properties pages, with a title for the panel.
    void visEgenskabsside(int side, const QString& titel) override;
    // Gives tab bars and page controls the tab look of the options.
    void anvendBogfanerPaa(const QList<QWidget*>& faner) const override;
    // Applies a visual style by name; an unknown name changes nothing.
    void anvendDesign(const QString& navn);

    // The folder to show in the first explorer window: the one argument, when it names an
    // existing folder; empty for any other argument list.
    static QString startMappeFraArgumenter(const QStringList& arguments);
    // A later start of the program handed over its arguments: its folder is shown in the current
    // explorer window, as at a start with a folder, and the window comes to the front.
    void andenStart(const QStringList& arguments);
    // The frame shown, not minimised, in front and active.
    void fremad();

    bool opstart = true;
    // Closes the program as asked from outside (a termination signal), once no box is open and no
    // long operation runs: the code after them still uses what closing deletes.
    void lukNaarMuligt();
    // Closes the program on a termination signal, when nobody may be there to answer: every open
    // box ends as if closed, a running paste or delete stops as Stop does, and the program closes
    // without asking, its settings saved (a failure to save is told at the next start).
    void lukEfterSignal();
    // Counts a long operation starting (+1) or ending (-1); the close action follows.
    void aendrProcessCount(int aendring) override;
    // A window shows its hints only while an operation runs and "Vis hints" is on.
    void anvendHints(QWidget* vindue) override;
    bool MsRedigeret = false;
    QString SPtimerFilename;
    int SPtimerCount = 0;
    QString startMappe;  // handed to "Stifinder 1"

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void byggeVindue();
    QWidget* byggeTopPanel();
    QWidget* byggeVenstrePanel();
    QWidget* byggeInfoside(QWidget* parent);
    QWidget* byggeProgramside(QWidget* parent);
    // The program list given its file, menu, icons and handlers, loaded and shown on its page.
    void byggeProgramliste();
    // The page's list as tiles or as large icons, as "Visningstyper" says.
    void visProgramBox();
    // The files the current program runs with: an active explorer's selected files, else the
    // current element, each quoted.
    QString parameterTekst();
    // The program page's buttons and page list, and the contents list of page 7.
    void byggeIndholdslister();
    // The shortcut-key lists of page 6, each key explained by a help page or a text.
    void byggeGenvejslister();
    void byggeSider();
    // The page "Søg på nettet": the searches, their actions and the message centre.
    void byggeSoegeside();
    // Writes a text as the lines of a file (a command's description, a note); a failure is said.
    bool gemTekstfil(const QString& fil, const QString& tekst);
    // The page "Dos": the command list, its actions and the console buttons.
    void byggeDosside();
    // Writes the command list's file; a failure is said and leaves "Gem" enabled.
    bool gemDosListe();
    void aInsertDosExecute();
    void aSletDosExecute();
    // Moves the selected command one place up (-1) or down (1).
    void flytDos(int retning);
    void sorterDos();
    void redigerDos(QTabWidget* dosBog);
    void nyDos();
    // The page "Notater" and its actions.
    void byggeNotatside();
    void aGemNotatExecute();
    void aHentNotatExecute();
    void nytNotat();
    void visNotatmappe();
    // True when the note has no unsaved changes, or the user says to leave them.
    bool notatKanForlades(const QString& spoergsmaal);
    QWidget* byggeEgenskaber();
    QWidget* byggeSikkerhed();
    QWidget* byggePanelIndhold();
    QWidget* byggeAabningsmaader();
    QWidget* byggeStiPanel();
    void byggeStatusbar();
    void byggeHandlinger();
    QAction* handling(const char* navn, const QString& tekst, const QString& hint, const QKeySequence& genvej,
                      std::function<void()> udfoer);
    void byggeStrukturMenu();
    void byggeRegler();
    // Tiles the child windows side by side (Qt::Horizontal) or one above the other (Qt::Vertical).
    void arrangerElementer(Qt::Orientation retning);
    void tcChange(int index);
    // The first tab whose text is tekst, without regard to case; -1 when none is.
    int tabMed(const QString& tekst) const;
    void registrerElement(QMdiSubWindow* sub);
    void anvendIndstillinger();
    void visIndstillinger();
    void hentVinduesTilstand();
    void bestemTabs();
    void visSide(int side, int inderSide, const QString& titel);
    void visPanel(bool vis);
    void anvendBogfaner();
    void anvendTraeFont();
    void setMaxElementer(int antal);
    void bygTray();
    bool maaLukke();
    void FormClose();
    // Reports a shell result through ErrorInfo when it is a failure.
    void rapporter(int resultat);
    QList<QWidget*> elementer() const;
    QList<QWidget*> stifindere() const;
    QWidget* aktivtElement() const;
    StifinderVindue* aktivStifinder();
    // The first explorer window brought forward with the frame, or a new one made when there is none.
    StifinderVindue* fremStifinder();

    struct Vaerktoej {
        QAction* action = nullptr;
        int MainSettings::*aabning = nullptr;  // "Internt" or "Externt"; none: always a child window
        const char* aabningsgruppe = nullptr;  // the group of that choice on the properties page
        std::function<QWidget*()> fabrik;
        EksternPlacering placering;
        QPointer<QWidget> vindue;
    };
    QWidget* aabnVaerktoej(Vaerktoej& vaerktoej);
    void visEksternt(QWidget* window, const EksternPlacering& placering);

    QString shippedProgram;
    QStringList opstartsProblemer;
    QString indstillingsfejl;  // said once at start: the settings file could not be read whole
    bool lukVenter = false;     // a close from outside waits for a box or an operation to end
    bool lukkerEfterSignal = false;
    // Beside the settings file: why the settings could not be saved at a close nobody saw.
    QString ikkeGemtFil() const { return folders.optFilnavn + QStringLiteral(".ikke-gemt"); }
    Tinfform* info = nullptr;
    Tspform* spoergsmaal = nullptr;
    std::unique_ptr<BoksBeskeder> boksBeskeder;
    StifinderFabrik stifinderFabrik;
    StifinderFabrik klipbordFabrik;
    QHash<QString, Vaerktoej> vaerktoejer;
    QHash<QString, QAction*> handlinger;
    Handlingsregler* regler = nullptr;
    HintFilter* hints = nullptr;
    QTimer* spTimer = nullptr;
    QMdiArea* mdiArea = nullptr;
    QTabBar* elementTabs = nullptr;
    QWidget* mainPanel = nullptr;
    QToolButton* informationsKnappen = nullptr;
    QLabel* informationsKnappenL = nullptr;
    QTabWidget* Hovedbog = nullptr;
    QTabWidget* funkBog = nullptr;
    QTabWidget* Programbog = nullptr;
    QTabWidget* genvejsBog = nullptr;
    Hjaelpesider* hjaelpesider = nullptr;
    QWidget* infoPlads = nullptr;
    QWidget* globusIndhold = nullptr;  // the content of the pages "Søg på nettet" and "Notater"
    QWidget* notatIndhold = nullptr;
    QLineEdit* notatEdit = nullptr;
    QLabel* NotatLabel = nullptr;
    QListWidget* notatBox = nullptr;
    QPlainTextEdit* notatMemo = nullptr;
    TReopenFilerY* dosFiler = nullptr;
    QListWidget* dosBoxen = nullptr;
    QPlainTextEdit* MemoDos = nullptr;
    QLineEdit* dosEdit = nullptr;
    QPlainTextEdit* dosMemo = nullptr;
    QCheckBox* dosCheck = nullptr;
    QPushButton* gemDosKnap = nullptr;
    QTreeWidget* indholdsListe = nullptr;
    QLineEdit* editSti = nullptr;
    QLabel* infobarProgram = nullptr;
    QListWidget* programBox = nullptr;
    QLabel* programLabel = nullptr;
    QString indholdsfejl;  // said at the first activation: the shipped tree was found nowhere
    QString programlistefejl;  // said at the first activation: the program list could not be read whole
    QLabel* infobarBesked = nullptr;
    QLabel* breddeLabel = nullptr;
    QLabel* hoejdeLabel = nullptr;
    QPushButton* standardSize = nullptr;
    QLineEdit* maxFindEdit = nullptr;
    QComboBox* designBox = nullptr;
    QMenu* strukturMenu = nullptr;
    QMenu* PuProgrammer = nullptr;
    QSystemTrayIcon* tray = nullptr;
    std::unique_ptr<IndstillingsBinder<MainSettings>> binder;
    QList<QWidget*> registreredeElementer;
    QList<QMetaObject::Connection> elementForbindelser;
};
