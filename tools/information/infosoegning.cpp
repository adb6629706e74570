#include "tools/information/infosoegning.h"

#include "platform/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

QStringList findInfoTekst(const QString& folder, const QString& word)
{
    QStringList fundne;
    if (word.trimmed().isEmpty())
        return fundne;
    // A word boundary only where the word itself begins or ends with a word character, so a
    // search for "Sæt ind" or "F1:" still matches.
    const auto graense = [](QChar c) { return c.isLetterOrNumber() || c == u'_' ? QStringLiteral("\\b") : QString(); };
    const QRegularExpression moenster(graense(word.front()) + QRegularExpression::escape(word) + graense(word.back()),
                                      QRegularExpression::CaseInsensitiveOption
                                          | QRegularExpression::UseUnicodePropertiesOption);
    const QFileInfoList filer = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& fil : filer) {
        QFile file(fil.filePath());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (platform::decodeText(file.readAll()).contains(moenster))
            fundne.append(fil.completeBaseName());
    }
    return fundne;
}
