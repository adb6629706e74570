#pragma once

#include "core/stoerrelser.h"

#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>

class Beskeder;
class QProgressBar;
class QWidget;
class Tdeleteform;
class TFremgangsform;

// What the paste and delete engines share: the counts, the delete window and its counting and
// progress, removing a folder, and showing progress without slowing the work.
class TFremgangsCompo : public QObject {
    Q_OBJECT
public:
    TFremgangsCompo(QWidget* mainWindow, QObject* owner);
    ~TFremgangsCompo() override;

    Tdeleteform* DeleteBox() const;

    int antalFiler = 0;
    int antalMapper = 0;
    qint64 totalSize = 0;
    qint64 posSize = 0;

protected:
    // Where messages go.
    void setBeskeder(Beskeder* beskeder) { FBeskeder = beskeder; }
    Beskeder& beskeder() { return *FBeskeder; }
    void sig(const QString& tekst);

    // Lets the windows repaint and Stop be seen, every few milliseconds.
    void behandlBeskeder();
    // What changed is shown at the next turn of behandlBeskeder, or by visFremgang: a progress
    // bar repaints at once on every change, far too slow for one change per small file.
    void saetBjaelke(QProgressBar* bar, int procent);
    // The percentage and the remaining elements of a progress or delete window.
    void visSenere(TFremgangsform* vindue, int procent);
    void visFremgang();

    // Counts folders and files into the delete window, which shows aDeleteTekst and the total;
    // each folder's count is kept in mappeOptaellinger.
    void sizeOfDelElementer(const QStringList& mapper, const QStringList& filer, const QString& aDeleteTekst);
    QList<MappeOptaelling> mappeOptaellinger;
    int progressInfoDel();

private:
    QPointer<Tdeleteform> FDeleteBox;
    Beskeder* FBeskeder = nullptr;
    QElapsedTimer sidstBehandlet;
    QElapsedTimer sidstVist;
    QHash<QProgressBar*, int> udsatteBjaelker;
    TFremgangsform* udsatVindue = nullptr;
    int udsatProcent = 0;
};

// The bytes of a path as the file system has them, without a closing "/".
QByteArray kildeBytes(const QString& path);
// True for a folder, or a link to one.
bool erMappe(const QByteArray& path);
