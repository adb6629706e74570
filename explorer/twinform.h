#pragma once

#include "app/elementvinduer.h"
#include "explorer/stifinderindstillinger.h"

#include <QHash>
#include <QPointer>
#include <QStyle>
#include <QStringList>
#include <QUrl>
#include <QWidget>
#include <atomic>
#include <functional>
#include <memory>

class Handlingsregler;
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QSplitter;
class QTabBar;
class QTabWidget;
class QTimer;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TReopenFiler;
class TReopenFilerX;
class TReopenFilerY;
class Programkontekst;
class TKlipbordsLister;
class TSkrivTekstfiler;
class Tlisteform;
class TMetodeCompo;
class TDeleteObjekt;
class TPasteObjekt;
class TStrukturCompo;
class QPushButton;
struct Navneparti;
struct TReopenRec;
template <class S>
class IndstillingsBinder;

// The explorer window "Stifinder N": the folder tree and the folder-and-file tree, the path
// tabs, back and forward over the visited folders, and the options of its own option file.
class Twinform : public QWidget, public StifinderVindue, public StifinderKlipbord, public StifinderSletning {
    Q_OBJECT
public:
    explicit Twinform(Programkontekst& main);
    ~Twinform() override;

    TStrukturCompo& strukturCompo() override { return *FStrukturY; }
    void gaaTilMappe(const QString& folder) override;
    void gaaTilFil(const QString& fil) override;
    void visStruktur1() override;
    // An outline in the folder tree of the folders of a list, or of the folders of its files: one
    // point per folder (punkt) or by their levels. udenGentagelser drops a folder already taken
    // (A-Z folded). Folders that are gone are passed over; when none is left, tomBesked is said and
    // the tree stays as it was.
    // True when the outline was made.
    bool listestruktur(const TReopenFiler& liste, bool filernesMapper, bool punkt, bool udenGentagelser,
                       const QString& tomBesked);
    void opdater() override;
    void FormActivate() override;
    void showStrukturInfo() override;

    QWidget* klipbord() const override;
    void brugKlipbord(QWidget* klipbord) override;
    void modtagKlipbordsdata(const QStringList& mapper, const QStringList& filer) override;
    void visKlipbordAntal(const QString& antMapper, const QString& antFiler) override;
    void registrerElement(const QString& element) override;
    void beregnKlipbordStoerrelse() override;
    // Gathers the selected elements of the active tree into the clipboard, to be moved when flyt.
    void KopierElementer(bool flyt);
    // Registers files and folders dropped from the desktop in the clipboard; others are passed over.
    void registrerSlip(const QList<QUrl>& elementer);
    // Copies or moves the clipboard's ticked elements into the selected folder.
    void PasteExecute();
    // The paste engine's events: load its lists and destination; the user's answer to its question.
    void loadListerne();
    void lukKlipbordKontrol(bool ok);
    // Registers the last paste's folders and files in the clipboard again.
    void klipbordsGendannelse();
    TPasteObjekt* PasteObj = nullptr;
    // Deletes the selected elements of the active tree, to the trash or permanently.
    // bekraeftet: the user has agreed to this deletion already, the confirmation window is not shown.
    void SletElementer(bool tilPapirkurv, bool bekraeftet = false);
    void sletTilPapirkurv() override { SletElementer(true, true); }
    TDeleteObjekt* DeleteObj = nullptr;
    // Shows the information window of the selected file, folder or drive.
    void InfoExecute();
    // Gathers the dragged (selected) elements and pastes them where they were dropped: 0 a path
    // tab, 1 the folder tree, 2 the folder-and-file tree, at punkt of it.
    void slipElementer(int maal, const QPoint& punkt);
    void Rename2Execute();
    // Renames the selected element through the dialog "Omdøb".
    void RenameExecute();
    // Gives the files of the current file's kind in its folder another extension.
    void RenameExtExecute();
    void NyMappeExecute();
    // Makes a new file of the kind of navn in the current folder and starts naming it.
    void makeFiler(const QString& navn);
    // Switches "Bloker funktioner" and says what it means now.
    void ActionUpdExecute();

    // Makes denneSti the current element: the main window's path field, the history, and with
    // medSti the path tabs.
    void mappeKontrol(const QString& denneSti, bool medSti);
    // The folder chosen in the folder tree shown in the folder-and-file tree and as the current element.
    void mappeIStruktur1Valgt();
    void udskrivSti(const QString& sti);
    QString getStien(int index) const;
    void mirvelChange(int index);
    void TilbageExecute();
    void FremExecute();
    void setAktivitetsNr(int antal, int art);
    void setBeskedInfo(const QString& tekst);
    // Starts the in-place rename of the selected node of the active tree.
    void startOmdoebning();
    TMetodeCompo& metode() const { return *metodeX; }
    // The pop-up menu that a right click on a tree shows now, by the active tree and the kind of
    // its selected node; none where the tree has no menu.
    QMenu* traeMenu(const QTreeWidget* tree) const;
    // Switches the file actions between their plain and their blocking enable rules, and has
    // every rule run again.
    void setActionUpdates(bool bloker);
    bool blokerFunktioner() const { return bloker; }

    void HentOpt();
    void GemOpt();

    QString StifinderNavn;
    QString optFilnavn;
    bool opstart = true;
    int aktivitetsAntal = 0;
    bool funkTilladt = true;
    int funkNo = -1;
    QString aktuelleSti;
    QStringList stiArray;
    QString OldNodeTekst;
    bool HListeForandret = false;
    bool favChanged = false;
    StifinderIndstillinger opt;
    TReopenFilerY* historieDir = nullptr;
    TReopenFilerX* FavDir = nullptr;
    TReopenFilerX* FavFiler = nullptr;
    // The search page: the found folders and files; starting a search of the current element's
    // folder for the text of findTekstEdit.
    TReopenFilerX* findDir = nullptr;
    TReopenFilerX* findFiler = nullptr;
    void aSearchExecute();
    // Called on the searching thread after each entry searched: a test holds the walk with it.
    std::function<void(qint64)> soegeKrog;

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void byggeVindue();
    QWidget* byggeRedskabslinje();
    QWidget* byggeHoejrePanel();
    QWidget* byggeEgenskaber();
    QWidget* byggeAktuelle();
    QWidget* byggeKlipbordsKnapper(QWidget* side);
    QWidget* byggeKlipbordsOverfoersel(QWidget* side);
    // Blanks the size and empties the clipboard's folder list, file list, or both.
    void annuller(bool mapper, bool filer);
    void byggeHandlinger();
    void byggePaste();
    void byggeSletning();
    void byggeInfo();
    void byggeFilhandlinger();
    void byggeFilregler();
    void byggeOmdoebning();
    void byggeStrukturhandlinger();
    // The buttons that save and load the structure, and the one for how it is shown.
    void saetStrukturknapper(bool aktive);
    // Writes the HTML page side of the selected files into the folder of the selected path tab
    // and opens it.
    void skrivHTMLliste(const QString& side, QString (TSkrivTekstfiler::*skriv)(const QString&, const QStringList&));
    void aInsertFavoritmappeExecute();
    // The list pages: the visited folders, and the favourite folders or files.
    QWidget* byggeHistorieside();
    QWidget* byggeFavoritside(bool filer);
    QWidget* byggeSoegeside();
    // The page of known folders, and on it the shortcuts of the fixed place.
    QWidget* byggeKendteMapper();
    QWidget* byggeGenvejspanel(QWidget* side);
    // The user's contacts (0), OneDrive (1), camera pictures (2) or camera films (3) folder;
    // empty when it does not exist.
    QString getSpecialMappe(int nr) const;
    // The known folders that exist, in the order their outline takes them.
    QStringList kendteMapper() const;
    // An outline of the known folders in the folder tree: levels (form 0) or points (1).
    void makeSpMapper(int form);
    // Shows a folder as "Vælg struktur til visning af mappe" says: its content in the
    // folder-and-file tree, or unfolded in the folder tree.
    void openMappeStruktur(const QString& mappe);
    void hentGenvejeExecute();
    void runGenvejExecute();
    // Empties the hit lists and sets the headings, the status text and the bar back.
    void ClearAlt();
    void infoClearFindClick();
    // Leaves the running search: it stops, and what it still delivers is dropped.
    void stopSoegning();
    // The page as it is between searches.
    void soegningSlut();
    void modtagNavneparti(const Navneparti& parti, const QList<TReopenRec>& mapper, const QList<TReopenRec>& filer);
    // Highlights (or with isoler shows only) the files of extEdit's extension in the folder-and-file tree.
    void aExtTypeExecute(bool isoler);
    // A button for a new action of a list page.
    QToolButton* listeknap(const char* navn, const QString& hint, QStyle::StandardPixmap ikon, std::function<void()> udfoer,
                           QWidget* parent);
    // What the favourite lists do on a click, and the system clipboard watched for text.
    void forbindListerne();
    // Moves the entry at index one line up (retning -1) or down and selects it; false when it cannot.
    bool flyt(TReopenFiler& liste, int index, int retning);
    // Removes the entry at index and selects the line that took its place, else the one before it.
    void sletValgte(TReopenFiler& liste, int index);
    void visMappenavn(const TReopenFiler& liste, int index, const QString& mangler);
    void visFilnavn(const TReopenFiler& liste, int index);
    // Runs or edits a file of a list; a file that is gone is said so.
    void koer(const QString& fil, bool redigering);
    // A favourite folder or file into this explorer's clipboard.
    void tilKlipbordet(const QString& sti, bool fil);
    // Puts the file actions into the trees' pop-up menus.
    void fyldTraeMenuer();
    // Puts the buttons of the file actions in the bars.
    void placerKnapper();
    // "Vis alle markerknapper": the three selection buttons, or one split button.
    void setMarkerButton();
    // A button for the action navn (none for nullptr), with the drop-down menu named menu.
    QToolButton* knap(QWidget* gruppe, const char* navn, const char* menu = nullptr);
    void forbindTraek();
    // A drag between the trees or onto the path tabs; true when the event was handled here.
    bool traekHaendelse(QObject* watched, QEvent* event);
    // While another operation runs and "Informer" is on, asks first; true to go on.
    bool maaFortsaette(const QString& spoergsmaal);
    void DeleteElementer(bool tilPapirkurv, bool bekraeftet);
    // Runs arbejde as a long operation: counted in the main window and here; art 1 reports a
    // finished paste, 2 a finished delete.
    void langOperation(int art, const std::function<void()>& arbejde);
    // Gives the explorer its clipboard: its own, or the shared one of "Stifinder 1".
    void newMetodeObjekt();
    // The clipboard in use; a new one of its own when the one it used is gone; none when no
    // clipboard window can be made.
    TKlipbordsLister* klipbordsLister();
    QAction* handling(const char* navn, const QString& hint, const QKeySequence& genvej, std::function<void()> udfoer);
    void byggeRegler();
    void forbindTraeer();
    bool makeOpstartStrukturer();
    void bestemTabs();
    void anvendRedskabsplacering();
    void anvendFaneplacering();
    // Refills the folder tree down to the current folder, with all drives unless only the
    // current drive is wanted.
    void opdaterStruktur1(bool alleDrev);
    void skiftHisDir();
    void aktivStruktur(int struktur);
    void forbindOmdoebning(QTreeWidget* tree);
    void omdoebningSlut(QTreeWidget* tree, QTreeWidgetItem* item);
    void visAktivStruktur();

    QString indstillingsfejl;  // said at the first activation: the option file could not be read whole
    Programkontekst& main;
    std::unique_ptr<TMetodeCompo> metodeX;
    TStrukturCompo* FStrukturY;  // the tree engine, owned by metodeX
    std::unique_ptr<IndstillingsBinder<StifinderIndstillinger>> binder;
    Handlingsregler* regler = nullptr;
    QMenu* PUlister = nullptr;
    bool strukturknapperAktive = true;
    QTreeWidget* MappeStruktur = nullptr;
    QTreeWidget* FilStruktur = nullptr;
    QSplitter* Splitter1 = nullptr;
    QWidget* topPanel = nullptr;
    QWidget* Redskabslinje = nullptr;
    QWidget* funkPanel1 = nullptr;
    QTabBar* mirvel = nullptr;
    QTabWidget* winBog = nullptr;
    QTabWidget* favoritBog = nullptr;
    QTabWidget* egenskabsBogen = nullptr;
    QListWidget* HistorieListe = nullptr;
    QLineEdit* RenamMEdit = nullptr;
    QLineEdit* RenamFEdit = nullptr;
    QListWidget* genvejsListe = nullptr;
    QLabel* mappeLabel = nullptr;
    QLineEdit* BarEdit = nullptr;
    QLineEdit* findTekstEdit = nullptr;
    QPushButton* findTekstKnap = nullptr;
    QLabel* mapperOverskrift = nullptr;
    QLabel* filerOverskrift = nullptr;
    QProgressBar* findBar = nullptr;
    QListWidget* mappeBoxen = nullptr;
    QListWidget* filBoxen = nullptr;
    QLineEdit* extEdit = nullptr;
    QLineEdit* antalExtEdit = nullptr;
    // The folder of the last search started.
    QString soegemappe;
    // The running search's stop flag; none between searches.
    std::shared_ptr<std::atomic_bool> soegningStop;
    bool systemklipbordHarTekst = false;
    QProgressBar* AktivitetBoks = nullptr;
    QLineEdit* AktiveStrukturEdit = nullptr;
    QLineEdit* AktuelleElementEdit = nullptr;
    QLineEdit* mappenavnFelt = nullptr;
    QLineEdit* filnavnFelt = nullptr;
    QLabel* stifindernavnLabel = nullptr;
    QMenu* PUdrev1 = nullptr;
    QMenu* PUdrev2 = nullptr;
    QMenu* PUdirbox = nullptr;
    QMenu* PUfilbox = nullptr;
    QMenu* PUdirboxDrev = nullptr;
    QMenu* PUdirPrivate = nullptr;
    bool bloker = false;
    // The window was asked to close while an operation ran; it closes when the operation ends.
    bool lukEfterOperation = false;
    // The drive (mount point) a drag started from.
    QString DrevSource;
    QPointer<Tlisteform> FKlipbord;
    bool egetKlipbord = false;
    QLineEdit* EditMappe = nullptr;
    QLineEdit* EditFil = nullptr;
    QLabel* sizeLabel = nullptr;
    QCheckBox* KDTcheck = nullptr;
    QTreeWidgetItem* redigeres = nullptr;
    // An in-place edit is open, from its start until its editor closes.
    bool redigering = false;
    // An entry in hand: the tree (1 or 2) and the path it stands for.
    struct Valg {
        int struktur = 0;
        QString sti;
        bool operator==(const Valg&) const = default;
    };
    Valg valgtElement() const;
    // Reads the renamed entry's tree again a second after the rename; it selects that entry again
    // only while it is still the one in hand.
    void opfriskEfterOmdoebning(QTimer* timer);
    void vaelgSti(QTreeWidget* tree, const QString& sti);
    // The entry each refresh timer was started for.
    QHash<QTimer*, Valg> omdoebt;
    // Refreshes that waited for an open edit to end.
    QList<QTimer*> udsatteOpfriskninger;
    QTimer* Timer = nullptr;
    QTimer* TimerFil = nullptr;
};
