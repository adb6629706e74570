#pragma once

#include "boxes/modalseam.h"
#include "boxes/tboksform.h"
#include "boxes/tspform.h"
#include "fileops/texistsform.h"
#include "fileops/tkopieringsform.h"
#include "fileops/tpasteobjekt.h"
#include "platform/filedelete.h"
#include "tests/common/andetdrev.h"

#include <QCheckBox>
#include <QFile>
#include <QList>
#include <QRadioButton>
#include <QStringList>
#include <QTemporaryDir>
#include <dirent.h>
#include <memory>
#include <sys/stat.h>

// Stands in for the user at every box the paste engine shows: records the texts, confirms or
// declines, chooses in the conflict dialog and answers the question box.
struct Bruger {
    struct Konflikt {
        int valg;
        bool overskriv;
    };
    struct Svar {
        bool ja;
        bool alle;
    };
    QStringList beskeder;            // information and question texts, in order
    QStringList bekraeftelser;       // captions of the confirmation dialog
    bool bekraeft = true;
    QList<Konflikt> konflikter;      // answers of the conflict dialog, the last one repeated
    int konfliktVist = 0;
    QList<Svar> svar;                // answers of the question box; yes when none is left

    Bruger()
    {
        modalseam::install([this](QDialog& box) { return besvar(box); });
    }
    ~Bruger() { modalseam::install({}); }

    int besvar(QDialog& box)
    {
        if (qobject_cast<Tkopieringsform*>(&box)) {
            bekraeftelser << box.windowTitle();
            return bekraeft ? QDialog::Accepted : QDialog::Rejected;
        }
        if (qobject_cast<TExistsForm*>(&box)) {
            ++konfliktVist;
            const Konflikt valgt = konflikter.size() > 1 ? konflikter.takeFirst() : konflikter.value(0, {0, false});
            box.findChildren<QRadioButton*>().at(valgt.valg)->click();
            box.findChild<QCheckBox*>(QStringLiteral("checkOverskriv"))->setChecked(valgt.overskriv);
            return QDialog::Accepted;
        }
        if (auto* besked = qobject_cast<TBoksform*>(&box))
            beskeder << besked->tekst();
        if (auto* spoergsmaal = qobject_cast<Tspform*>(&box)) {
            const Svar naeste = svar.isEmpty() ? Svar{true, false} : svar.takeFirst();
            spoergsmaal->alleCheck()->setChecked(naeste.alle);
            return naeste.ja ? QDialog::Accepted : QDialog::Rejected;
        }
        return QDialog::Accepted;
    }
};

// A paste engine whose lists and destination are given directly, recording its events.
struct Indsaetning {
    TPasteObjekt paste;
    QStringList mapper, filer;
    QString dest;
    QStringList haendelser;

    explicit Indsaetning(const QString& optMappe, int metode = TPasteCompo::OverskrivIkke)
        : paste(optMappe, nullptr)
    {
        paste.IntSpm = TPasteCompo::SpoergAldrig;
        paste.IntPasteMetode = metode;
        paste.onLoadLister = [this] {
            haendelser << QStringLiteral("load");
            paste.ConstDest = dest;
            paste.PasteMapper = mapper;
            paste.PasteFiler = filer;
        };
        paste.onPasteElements = [this](bool ok) { haendelser << (ok ? QStringLiteral("ja") : QStringLiteral("nej")); };
    }
};

inline QByteArray indhold(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<mangler>");
}

// Every entry below a folder by its bytes, relative, sorted: folders end in "/", links in "@".
inline QList<QByteArray> traeAf(const QByteArray& mappe, const QByteArray& under = {})
{
    QList<QByteArray> alle;
    DIR* dir = ::opendir((mappe + under).constData());
    if (!dir)
        return alle;
    while (const dirent* entry = ::readdir(dir)) {
        const QByteArray navn(entry->d_name);
        if (navn == "." || navn == "..")
            continue;
        const QByteArray relativ = under + '/' + navn;
        struct stat st;
        ::lstat((mappe + relativ).constData(), &st);
        if (S_ISDIR(st.st_mode)) {
            alle << relativ + '/';
            alle << traeAf(mappe, relativ);
        } else {
            alle << (S_ISLNK(st.st_mode) ? relativ + '@' : relativ);
        }
    }
    ::closedir(dir);
    std::sort(alle.begin(), alle.end());
    return alle;
}
