#include "tests/common/testhome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

namespace {
const char* const xdgVariables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"};
}

TestHome::TestHome()
    : oldHome(qgetenv("HOME"))
{
    qputenv("HOME", QFile::encodeName(dir.path()));
    for (const char* name : xdgVariables)
        qunsetenv(name);
    QLocale::setDefault(QLocale(QLocale::Danish, QLocale::Denmark));
}

TestHome::~TestHome() { qputenv("HOME", oldHome); }

void TestHome::write(const QString& relative, const QByteArray& bytes) const
{
    const QString file = *this / relative;
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        qFatal("cannot write test file %s", qPrintable(file));
}

void TestHome::make(const QStringList& entries) const
{
    for (const QString& entry : entries) {
        if (entry.endsWith(u'/'))
            QDir().mkpath(*this / entry);
        else
            write(entry, QByteArray());
    }
}
