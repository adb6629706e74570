#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh, empty home folder for one test: HOME and the XDG folders point into it while the
// object lives, and the Danish locale is in force.
class TestHome {
public:
    TestHome();
    ~TestHome();
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    QString path() const { return dir.path(); }
    // A path below the home folder.
    QString operator/(const QString& relative) const { return dir.path() + u'/' + relative; }
    // Writes bytes to a file below the home folder, making its folders.
    void write(const QString& relative, const QByteArray& bytes) const;
    // Makes folders and files below the home folder from a short list: a name ending in "/" is
    // a folder, any other an empty file (its folders are made too).
    void make(const QStringList& entries) const;

private:
    QTemporaryDir dir;
    QByteArray oldHome;
};
