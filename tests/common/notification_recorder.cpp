// A notification service for tests: owns org.freedesktop.Notifications on the session bus and
// writes each call of Notify as lines into the file named on the command line. GetCapabilities
// answers with the capabilities given after the file, comma-separated (none when left out).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusVariant>
#include <QFile>
#include <QObject>
#include <QVariantMap>

class Recorder : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    Recorder(QString file, QStringList capabilities) : file(std::move(file)), capabilities(std::move(capabilities)) {}

public Q_SLOTS:
    QStringList GetCapabilities() { return capabilities; }

    uint Notify(const QString& appName, uint, const QString&, const QString& summary, const QString& body,
                const QStringList&, const QVariantMap& hints, int)
    {
        QFile out(file + QStringLiteral(".ny"));
        if (out.open(QIODevice::WriteOnly))
            out.write((QStringList{appName, summary, body, hints.value(QStringLiteral("sound-file")).toString()}.join(u'\n')
                       + u'\n')
                          .toUtf8());
        out.close();
        QFile::remove(file);
        QFile::rename(file + QStringLiteral(".ny"), file);
        return 1;
    }

private:
    QString file;
    QStringList capabilities;
};

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    Recorder recorder(QString::fromLocal8Bit(argv[1]),
                      argc > 2 ? QString::fromLocal8Bit(argv[2]).split(u',', Qt::SkipEmptyParts) : QStringList());
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), &recorder, QDBusConnection::ExportAllSlots)
        || !bus.registerService(QStringLiteral("org.freedesktop.Notifications")))
        return 1;
    return application.exec();
}

#include "notification_recorder.moc"
