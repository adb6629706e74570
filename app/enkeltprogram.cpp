#include "app/enkeltprogram.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <unistd.h>

namespace {

constexpr char kvittering = 'k';

// How long a later start tries to reach the program that holds the lock: it may be starting up.
constexpr int ventetidMs = 10000;

QString laasfil(const QString& brugerMappe) { return QDir::cleanPath(brugerMappe) + QStringLiteral("/.qvmmirvel.lock"); }

}  // namespace

EnkeltProgram::EnkeltProgram(const QString& brugerMappe, QObject* parent)
    : QObject(parent), navn(servernavn(brugerMappe)), laas(laasfil(brugerMappe))
{
    // Only a lock whose process is gone is stale, however long the program has run.
    laas.setStaleLockTime(0);
    server.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* forbindelse = server.nextPendingConnection())
            modtag(forbindelse);
    });
}

QString EnkeltProgram::servernavn(const QString& brugerMappe)
{
    const QByteArray noegle = QByteArray::number(::getuid()) + '/' + QFile::encodeName(QDir::cleanPath(brugerMappe));
    return QStringLiteral("qvmmirvel-")
        + QString::fromLatin1(QCryptographicHash::hash(noegle, QCryptographicHash::Sha256).toHex().left(24));
}

bool EnkeltProgram::tagPladsen(const QStringList& argumenter)
{
    QDir().mkpath(QFileInfo(laas.fileName()).path());
    if (laas.tryLock(0)) {
        lyt();
        return true;
    }
    // A data folder where no lock can be made (a read-only home) cannot be shared either: the
    // program runs and says what it cannot save.
    if (laas.error() != QLockFile::LockFailedError)
        return true;
    if (!overgiv(argumenter)) {
        qint64 pid = 0;
        QString vaert, program;
        laas.getLockInfo(&pid, &vaert, &program);
        qWarning("qvmMirvel kører allerede (proces %lld), men svarede ikke.", pid);
    }
    return false;
}

void EnkeltProgram::lyt()
{
    if (server.listen(navn))
        return;
    // The socket of a program that was killed is left behind; the lock says it is ours now.
    QLocalServer::removeServer(navn);
    if (!server.listen(navn))
        qWarning("qvmMirvel kan ikke tage imod senere starter: %s", qPrintable(server.errorString()));
}

void EnkeltProgram::modtag(QLocalSocket* forbindelse)
{
    connect(forbindelse, &QLocalSocket::disconnected, forbindelse, &QObject::deleteLater);
    connect(forbindelse, &QLocalSocket::readyRead, this, [this, forbindelse] {
        QDataStream ind(forbindelse);
        ind.startTransaction();
        QStringList argumenter;
        ind >> argumenter;
        if (!ind.commitTransaction())
            return;
        forbindelse->write(&kvittering, 1);
        forbindelse->flush();
        Q_EMIT andenStart(argumenter);
    });
}

bool EnkeltProgram::overgiv(const QStringList& argumenter)
{
    // The running program has a folder of its own to read a relative one from.
    QStringList absolutte;
    for (const QString& argument : argumenter)
        absolutte << QFileInfo(argument).absoluteFilePath();
    QByteArray data;
    QDataStream ud(&data, QIODevice::WriteOnly);
    ud << absolutte;
    const QDeadlineTimer frist(ventetidMs);
    while (!frist.hasExpired()) {
        QLocalSocket forbindelse;
        forbindelse.connectToServer(navn);
        if (!forbindelse.waitForConnected(int(frist.remainingTime()))) {
            QThread::msleep(100);
            continue;
        }
        forbindelse.write(data);
        char svar = 0;
        return forbindelse.waitForBytesWritten(int(frist.remainingTime()))
            && forbindelse.waitForReadyRead(int(frist.remainingTime())) && forbindelse.getChar(&svar) && svar == kvittering;
    }
    return false;
}
