#include "app/programentry.h"
#include "app/tmainform.h"
#include "tests/common/testhome.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QtTest>

// Notifications travel over a session bus of the test's own to a recording notification service.
class NotificationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void titleBodyNameAndSoundArrive();

private:
    QProcess bus;
    QProcess service;
    std::unique_ptr<TestHome> home;
};

void NotificationsTest::initTestCase()
{
    home = std::make_unique<TestHome>();
    bus.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                              QStringLiteral("--print-address=1")});
    QVERIFY(bus.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(bus.canReadLine() || (bus.waitForReadyRead(100), bus.canReadLine()), 10000);
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
    service.start(QStringLiteral(QVM_RECORDER), {*home / "notifikation"});
    QVERIFY(service.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                 QStringLiteral("org.freedesktop.Notifications")),
                             10000);
}

void NotificationsTest::cleanupTestCase()
{
    service.kill();
    service.waitForFinished();
    bus.kill();
    bus.waitForFinished();
}

void NotificationsTest::titleBodyNameAndSoundArrive()
{
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    main.makeInfo(QStringLiteral("Information"), QStringLiteral("Der blev kopieret 12 KB"));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(*home / "notifikation"), 10000);
    QFile record(*home / "notifikation");
    QVERIFY(record.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(record.readAll()).split(u'\n'),
             QStringList({"qvm Mirvel 1", "Information", "Der blev kopieret 12 KB", main.folders.lydFil, ""}));
    QVERIFY(QFileInfo(main.folders.lydFil).size() > 44);
}

QTEST_MAIN(NotificationsTest)
#include "test_notifications.moc"
