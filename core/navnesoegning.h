#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <memory>

// The counters of a search in folder and file names. The tree is counted first (for the progress
// bar's maximum) and searched after; an entry counts as a folder when it is one or is a link to one,
// as a file otherwise.
struct Navnetal {
    qint64 filerTalt = 0;
    qint64 mapperTalt = 0;
    qint64 filerUndersoegt = 0;
    qint64 mapperUndersoegt = 0;
    qint64 mapperFundet = 0;
    qint64 filerFundet = 0;

    qint64 total() const { return filerTalt + mapperTalt; }
    qint64 position() const { return filerUndersoegt + mapperUndersoegt; }
    // The share searched, rounded, as the progress text shows it; an empty tree is all searched.
    int procent() const { return total() == 0 ? 100 : int((position() * 100 + total() / 2) / total()); }
};

struct Navnefund {
    QString sti;
    bool mappe = false;
};

// What the search hands over as it goes: the hits since the last delivery, in the order found,
// and the counters now.
struct Navneparti {
    enum class Fase { Taeller, Soeger, Faerdig };
    Fase fase = Fase::Taeller;
    QList<Navnefund> fund;
    Navnetal tal;
    bool stoppetVedMaks = false;  // the hits reached the largest number allowed
    bool stoppet = false;         // the user stopped it
    bool startmappeFejl = false;  // the start folder could not be opened
    bool fejl = false;            // it ended on an unforeseen error
};

struct Navnesoegning {
    QString mappe;
    // A name is a hit when it holds the text, compared without regard to case by Unicode simple
    // case folding ("ÆBLE" finds "æble"); "*" and "?" are characters like any other.
    QString tekst;
    qint64 maksElementer = 0;
    // Folders that are not entered (the mount points of file systems that hold no user files).
    QStringList udeladte;
    std::shared_ptr<std::atomic_bool> stop = std::make_shared<std::atomic_bool>(false);
    // Called on the searching thread, at most ten times a second and once at the end (Faerdig).
    std::function<void(const Navneparti&)> lever;
    // Called on the searching thread after each entry searched, with their number so far.
    std::function<void(qint64)> efterElement;
};

// Searches the folder tree below s.mappe on the calling thread. Links are never entered: a link
// to a folder is a folder hit, a link to a file a file hit, a dangling link, a FIFO, a socket or a
// device is examined and never a hit. Names that are not valid UTF-8 are left out; folders that
// cannot be read are passed over. A folder is a hit before its content is searched.
void soegNavne(const Navnesoegning& s);
