#pragma once

#include <QUrl>
#include <QWidget>

class Handlingsregler;
class QAction;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class TStruktur;
class Tmainform;
class Turlform1;

// "Information": shows the program's help pages, keeps the history of visited pages in the list
// of "Informationssider" and walks it with first, back, forward and last. Inside the main window
// (internal) it carries that list in its right panel; as a window of its own (external) it has
// a button panel instead and the list stays in its own window.
class Tinfoform : public QWidget {
    Q_OBJECT
public:
    Tinfoform(Tmainform& main, Turlform1& urlform, TStruktur& struktur, bool internt);
    ~Tinfoform() override;

    // Shows the page file side (a name with ".html") of the pages' folder, when it exists.
    void LoadHjemmeside(const QString& side);
    // Shows an HTML file from anywhere.
    void visFil(const QString& sti);
    // Keeps the history list when the browser has gone to page S.
    void UrlLister(const QString& S);
    // Goes to line n of the history list.
    void gaaTilLinje(int n);
    // Replaces the history list with these titles.
    void fyldListe(const QStringList& titler);

    QTextBrowser* browser() const { return WebBrowser1; }
    QString globalUrl;
    QString Hjemmeside;
    QString oldUrl;
    const bool showInternt;
    bool opstart = true;
    bool naviKlikket = false;
    int urlIndex = -1;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QAction* handling(const char* navn, const QString& tekst, const QString& hint);
    QWidget* byggeNavigation();
    QWidget* byggeHoejrePanel();
    QWidget* byggeFunkPanel();
    void byggeRegler();
    QListWidget* urlListe() const;
    void vaelgLinje(int linje);

    Tmainform& main;
    Turlform1& urlform;
    TStruktur& struktur;
    Handlingsregler* regler = nullptr;
    QTextBrowser* WebBrowser1 = nullptr;
    QLineEdit* Edit = nullptr;
    QWidget* listePlads = nullptr;
    QList<QAction*> emneHandlinger;
};
