#pragma once

#include "platform/shell.h"

#include <QList>
#include <QStringList>

// The desktop as a test sees it: every open, edit, console and address recorded, each verb answering with
// its set result.
class OptagendeShell : public platform::Shell {
public:
    struct Kald {
        QString verb, sti;
        QStringList argumenter;
    };
    QList<Kald>* kald;
    int editSvar = platform::shellStartet;
    int openSvar = platform::shellStartet;
    int uriSvar = platform::shellStartet;

    explicit OptagendeShell(QList<Kald>* kald) : kald(kald) {}
    int open(const QString& path, const QStringList& arguments, const QString&) override
    {
        kald->append({QStringLiteral("open"), path, arguments});
        return openSvar;
    }
    int edit(const QString& path) override
    {
        kald->append({QStringLiteral("edit"), path, {}});
        return editSvar;
    }
    int console(const QString& folder, const QStringList& command) override
    {
        kald->append({QStringLiteral("console"), folder, command});
        return platform::shellStartet;
    }
    int openUri(const QString& uri) override
    {
        kald->append({QStringLiteral("uri"), uri, {}});
        return uriSvar;
    }
};
