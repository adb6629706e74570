#pragma once

#include "core/beskeder.h"
#include "core/listefiler.h"
#include "core/pathhelpers.h"

#include <QColor>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>

class QListWidget;

enum TItemtype { itFil = 0, itBibliotek = 1, itAndet = 2 };

// A list that the user can reopen: entries of a caption and a path, kept in a file of pairs of
// lines, shown in a list box that the component fills and draws itself. A caption never holds a
// line break (one becomes a blank), and a path holding one never enters a list that has a file.
class TReopenFiler : public QObject {
    Q_OBJECT
public:
    explicit TReopenFiler(QObject* owner = nullptr);

    QString Itemfile;
    TItemtype Itemtype = itBibliotek;
    // Paths compare exactly, as Linux names do ("/x/Rapport" and "/x/rapport" are two files),
    // instead of with the letters A to Z folded.
    bool eksakteStier = false;
    std::function<void(const QString& caption, const QString& filnavn)> OnListeKlik;
    std::function<void(const QString& caption, const QString& filnavn)> OnDblListeKlik;

    // The list box, its lines drawn with a square of the colour (by default the item type's: the
    // menu-highlight colour for files, light green for folders), lines of a fixed height or 0 for
    // the font's.
    void setListeBoks(QListWidget* liste, QColor firkant = QColor(), int linjehoejde = 0);
    QListWidget* ListeBoks() const { return liste; }
    void setBeskeder(Beskeder* beskeder) { FBeskeder = beskeder; }

    int Antal() const { return int(Ropen.size()); }
    virtual void InsertItem(const QString& FNavn, const QString& MenuCaption) = 0;
    QString GetCaption(int index) const;
    QString GetFilnavn(int index) const;

    void DeleteItem(int index);
    // The first entry with that path, or caption; without regard to case. Opdater false neither
    // refills the list box nor saves.
    void DeleteItemFilnavn(const QString& FNavn, bool Opdater = true);
    void DeleteItemCaption(const QString& CapNavn);
    void DeleteAlleItems();
    // Asks first; true when the list was emptied.
    bool SletAlleItems();
    bool flytOp(int index);
    bool flytNed(int index);
    void sorterListe();
    void MakeListeMenu();
    void HentReopenFiler();
    // Writes the list to its file; false when there is no file or it could not be written.
    bool GemReopenFiler();
    void DeleteItemFile();

protected:
    // Whether removing entries saves the file at once.
    virtual bool gemVedSletning() const = 0;
    // What the question box does with its check box before the question of clearing the list.
    virtual Beskeder::AlleCheck alleCheckVedSletning() const = 0;
    void fjern(qsizetype index, bool opdater);
    bool findes(const TReopenRec& rec) const;
    // Whether a path may enter the list: a path with a line break would shift every later pair of
    // lines in the list's file.
    bool kanGemmes(const QString& FNavn) const;
    qsizetype indexAfSti(const QString& FNavn) const;

    QList<TReopenRec> Ropen;
    QListWidget* liste = nullptr;
    Beskeder* FBeskeder = nullptr;

private:
    void klik(bool dobbelt);
};

// The history list: a new path goes last, at most Filantal entries, the last one replaced when full.
class TReopenFilerY : public TReopenFiler {
    Q_OBJECT
public:
    using TReopenFiler::TReopenFiler;
    int Filantal = 24;
    void InsertItem(const QString& FNavn, const QString& MenuCaption) override;

protected:
    bool gemVedSletning() const override { return false; }
    Beskeder::AlleCheck alleCheckVedSletning() const override { return Beskeder::AlleCheck::Uaendret; }
};

// The favourite and search lists: a new path goes first, without limit, and changes are saved.
class TReopenFilerX : public TReopenFiler {
    Q_OBJECT
public:
    using TReopenFiler::TReopenFiler;
    void InsertItem(const QString& FNavn, const QString& MenuCaption) override;
    // Inserts entries in the order given as InsertItem one by one would, newest on top, in one
    // step: the list box gets its new lines at once, paths already listed found through a hash.
    // The file is not written and nothing is tested for existence.
    void InsertItems(const QList<TReopenRec>& nye);
    void SetCaption(int index, const QString& NewCaption);

protected:
    bool gemVedSletning() const override { return true; }
    Beskeder::AlleCheck alleCheckVedSletning() const override { return Beskeder::AlleCheck::Skjul; }
};

// The folders of a list's entries in order, or the folders of its files: those that exist, each
// once when udenGentagelser (A-Z folded), else as often as it comes.
QStringList listensMapper(const TReopenFiler& liste, bool filernesMapper, bool udenGentagelser);
