#include "app/danskeqttekster.h"

#include <QCoreApplication>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// The words of Qt's file dialog that its Danish translation leaves in English.
class QtsRester : public QTranslator {
public:
    using QTranslator::QTranslator;
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override
    {
        Q_UNUSED(disambiguation)
        Q_UNUSED(n)
        static const QHash<QByteArray, QString> tekster = {
            {"QAbstractFileIconProvider|Folder", QStringLiteral("Mappe")},
            {"QAbstractFileIconProvider|Drive", QStringLiteral("Drev")},
            {"QAbstractFileIconProvider|File", QStringLiteral("Fil")},
            {"QAbstractFileIconProvider|%1 File", QStringLiteral("%1-fil")},
            {"QAbstractFileIconProvider|Shortcut", QStringLiteral("Genvej")},
            {"QFileDialog|Files (%1)", QStringLiteral("Filer (%1)")},
        };
        return tekster.value(QByteArray(context) + '|' + sourceText);
    }
};

}  // namespace

void brugDanskeQtTekster()
{
    const QLocale dansk(QLocale::Danish, QLocale::Denmark);
    QLocale::setDefault(dansk);
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(dansk, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    // Installed last, asked first: only what it holds is taken from it.
    QCoreApplication::installTranslator(new QtsRester(QCoreApplication::instance()));
}
