#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QStringList>

// One program per user and data folder. The first start holds a lock in the user's data folder
// (with its process id; the lock of a program that was killed is taken over) and listens for later
// starts; a later start hands the running program its arguments and must end without touching
// anything, so the running program's pastes and their records are never disturbed.
class EnkeltProgram : public QObject {
    Q_OBJECT
public:
    explicit EnkeltProgram(const QString& brugerMappe, QObject* parent = nullptr);

    // True when this start is the program. False when another program holds the data folder: the
    // arguments were handed to it (relative folders made absolute), or it did not answer in time.
    bool tagPladsen(const QStringList& argumenter);
    // The local server's name for the data folder: the same for every start that uses it.
    static QString servernavn(const QString& brugerMappe);

Q_SIGNALS:
    // A later start's arguments, received by the program that holds the place.
    void andenStart(const QStringList& argumenter);

private:
    void lyt();
    void modtag(class QLocalSocket* forbindelse);
    bool overgiv(const QStringList& argumenter);

    QString navn;
    QLockFile laas;
    QLocalServer server;
};
