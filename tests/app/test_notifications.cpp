#include "app/programentry.h"
#include "app/tmainform.h"
#include "tests/common/scriptedboxes.h"
#include "tests/common/testhome.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

// Notifications travel over a session bus of the test's own to a recording notification service.
class NotificationsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void titleBodyNameAndSoundArrive();
    void messageCentreSendsText_data();
    void messageCentreSendsText();
    void messageCentreWithoutServiceSaysSo();

private:
    // Starts the recording service anew, answering GetCapabilities with these.
    void startService(const QString& capabilities);
    // The lines of the last notification recorded.
    QStringList recorded() const;

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
    startService({});
}

void NotificationsTest::startService(const QString& capabilities)
{
    QDBusConnectionInterface* names = QDBusConnection::sessionBus().interface();
    const QString name = QStringLiteral("org.freedesktop.Notifications");
    service.kill();
    service.waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(!names->isServiceRegistered(name), 10000);
    QFile::remove(*home / "notifikation");
    service.start(QStringLiteral(QVM_RECORDER), {*home / "notifikation", capabilities});
    QVERIFY(service.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(names->isServiceRegistered(name), 10000);
}

QStringList NotificationsTest::recorded() const
{
    [&] { QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(*home / "notifikation"), 10000); }();
    QFile record(*home / "notifikation");
    if (!record.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(record.readAll()).split(u'\n');
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
    QCOMPARE(recorded(), QStringList({"qvm Mirvel 1", "Information", "Der blev kopieret 12 KB", main.folders.lydFil, ""}));
    QVERIFY(QFileInfo(main.folders.lydFil).size() > 44);
}

void NotificationsTest::messageCentreSendsText_data()
{
    QTest::addColumn<QString>("capabilities");
    QTest::addColumn<QString>("body");
    QTest::newRow("plain text service") << "body,sound" << "Tom & <Jerry>";
    QTest::newRow("markup service") << "body,body-markup" << "Tom &amp; &lt;Jerry&gt;";
    QTest::newRow("no capabilities") << "" << "Tom & <Jerry>";
}

void NotificationsTest::messageCentreSendsText()
{
    QFETCH(QString, capabilities);
    QFETCH(QString, body);
    startService(capabilities);
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    Tmainform& main = entry.mainform();
    main.findChild<QLineEdit*>(QStringLiteral("bcEdit"))->setText(QStringLiteral("Kat & mus"));
    main.findChild<QLineEdit*>(QStringLiteral("bcEditTekst"))->setText(QStringLiteral("Tom & <Jerry>"));
    // Return on the button sends, as Space and a click do.
    QTest::keyClick(main.findChild<QPushButton*>(QStringLiteral("bcButton")), Qt::Key_Return);
    QCOMPARE(recorded().mid(1, 2), QStringList({"Kat & mus", body}));
}

void NotificationsTest::messageCentreWithoutServiceSaysSo()
{
    service.kill();
    service.waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(!QDBusConnection::sessionBus().interface()->isServiceRegistered(
                                 QStringLiteral("org.freedesktop.Notifications")),
                             10000);
    ScriptedBoxes boxes;
    ProgramEntry entry(QStringLiteral(QVM_CONTENT_DIR), {});
    entry.mainform().findChild<QPushButton*>(QStringLiteral("bcButton"))->click();
    QCOMPARE(boxes.texts(), QStringList{"Beskeden blev ikke sendt: ingen notifikationstjeneste svarede."});
}

QTEST_MAIN(NotificationsTest)
#include "test_notifications.moc"
