#include "platform/registry.h"
#include "platform/useraccount.h"
#include "platform/userfolders.h"
#include "tests/common/testhome.h"

#include <QtTest>

using platform::UserFolder;

namespace {
class FixedAccount final : public platform::UserAccount {
public:
    explicit FixedAccount(QString name) : name(std::move(name)) {}
    QString loginName() const override { return name; }
    QString name;
};
}  // namespace

class UserFoldersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parsesUserDirs();
    void foldersFollowHomeAndUserDirs();
    void userName_data();
    void userName();
};

void UserFoldersTest::parsesUserDirs()
{
    const auto folders = platform::parseUserDirs(QStringLiteral("# kommentar\n"
                                                                "XDG_DESKTOP_DIR=\"$HOME/Skrivebord\"\n"
                                                                "XDG_MUSIC_DIR=\"/data/Musik/\"\n"
                                                                "XDG_VIDEOS_DIR=\"relativ\"\n"
                                                                "ikke en linje\n"),
                                                 QStringLiteral("/home/anna"));
    QCOMPARE(folders.value(QStringLiteral("XDG_DESKTOP_DIR")), QStringLiteral("/home/anna/Skrivebord"));
    QCOMPARE(folders.value(QStringLiteral("XDG_MUSIC_DIR")), QStringLiteral("/data/Musik"));
    QVERIFY(!folders.contains(QStringLiteral("XDG_VIDEOS_DIR")));
    QCOMPARE(folders.size(), 2);
}

void UserFoldersTest::foldersFollowHomeAndUserDirs()
{
    TestHome home;
    home.write(QStringLiteral(".config/user-dirs.dirs"), "XDG_PICTURES_DIR=\"$HOME/Billeder\"\r\n");
    const auto folders = platform::makeLinuxUserFolders();
    QCOMPARE(folders->path(UserFolder::Home), home.path());
    QCOMPARE(folders->path(UserFolder::Pictures), home / QStringLiteral("Billeder"));
    QCOMPARE(folders->path(UserFolder::Documents), home / QStringLiteral("Documents"));
    QCOMPARE(folders->path(UserFolder::Autostart), home / QStringLiteral(".config/autostart"));
    QCOMPARE(folders->path(UserFolder::StartMenuPrograms), home / QStringLiteral(".local/share/applications"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home / QStringLiteral("andet")));
    QCOMPARE(folders->path(UserFolder::Autostart), home / QStringLiteral("andet/autostart"));
    QCOMPARE(folders->path(UserFolder::Pictures), home / QStringLiteral("Pictures"));
    qunsetenv("XDG_CONFIG_HOME");
}

void UserFoldersTest::userName_data()
{
    QTest::addColumn<QString>("login");
    QTest::addColumn<QString>("user");
    QTest::newRow("login name") << "anna" << "anna";
    QTest::newRow("unknown") << "" << "Brugernavn";
    QTest::newRow("would leave the data root") << ".." << "Brugernavn";
    QTest::newRow("slash") << "a/b" << "Brugernavn";
}

void UserFoldersTest::userName()
{
    QFETCH(QString, login);
    QFETCH(QString, user);
    platform::install<platform::UserAccount>(std::make_unique<FixedAccount>(login));
    QCOMPARE(GetUserFromWindows(), user);
    platform::install<platform::UserAccount>(nullptr);
    QVERIFY(!GetUserFromWindows().isEmpty());
}

QTEST_GUILESS_MAIN(UserFoldersTest)
#include "test_userfolders.moc"
