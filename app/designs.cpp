#include "app/designs.h"

#include <QApplication>
#include <QFile>
#include <QHash>
#include <QPalette>
#include <QStyle>

// The styles are resources of a static library: they are registered on first use.
static void registrerDesigns() { Q_INIT_RESOURCE(designs); }

namespace {

const QString plainLook = QStringLiteral("Windows");

const QHash<QString, QString>& designFiler()
{
    static const QHash<QString, QString> filer = {
        {QStringLiteral("Amethyst Kamri"), QStringLiteral("amethyst_kamri")},
        {QStringLiteral("Aqua Light Slate"), QStringLiteral("aqua_light_slate")},
        {QStringLiteral("Iceberg Classico"), QStringLiteral("iceberg_classico")},
        {QStringLiteral("Light"), QStringLiteral("light")},
        {QStringLiteral("Sky"), QStringLiteral("sky")},
        {QStringLiteral("Smokey Quartz Kamri"), QStringLiteral("smokey_quartz_kamri")},
        {QStringLiteral("Windows10 Clear Day"), QStringLiteral("windows10_clear_day")},
        {QStringLiteral("Windows11 Modern Light"), QStringLiteral("windows11_modern_light")},
        {QStringLiteral("Zircon"), QStringLiteral("zircon")},
    };
    return filer;
}

QString resource(const QString& name)
{
    static const bool registreret = (registrerDesigns(), true);
    Q_UNUSED(registreret)
    QFile file(QStringLiteral(":/designs/") + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// A colour set for a role holds in every state, so a design's disabled texts would be drawn as
// its enabled ones: they are made half way between the text and the ground they stand on.
void graaUdeAf(QPalette& palette)
{
    const auto midtimellem = [](const QColor& a, const QColor& b) {
        return QColor((a.red() + b.red()) / 2, (a.green() + b.green()) / 2, (a.blue() + b.blue()) / 2);
    };
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> tekstPaaGrund[] = {
        {QPalette::WindowText, QPalette::Window}, {QPalette::Text, QPalette::Base}, {QPalette::ButtonText, QPalette::Button}};
    for (const auto& [tekst, grund] : tekstPaaGrund)
        palette.setColor(QPalette::Disabled, tekst, midtimellem(palette.color(tekst), palette.color(grund)));
}

}  // namespace

QStringList designNavne()
{
    QStringList navne = designFiler().keys();
    navne.sort();
    navne.prepend(plainLook);
    return navne;
}

bool anvendDesignNavn(const QString& navn)
{
    if (navn == plainLook) {
        qApp->setStyleSheet(QString());
        qApp->setPalette(qApp->style()->standardPalette());
        return true;
    }
    const QString fil = designFiler().value(navn);
    if (fil.isEmpty())
        return false;
    static const QHash<QString, QPalette::ColorRole> roller = {
        {QStringLiteral("Window"), QPalette::Window},         {QStringLiteral("WindowText"), QPalette::WindowText},
        {QStringLiteral("Base"), QPalette::Base},             {QStringLiteral("AlternateBase"), QPalette::AlternateBase},
        {QStringLiteral("Text"), QPalette::Text},             {QStringLiteral("Button"), QPalette::Button},
        {QStringLiteral("ButtonText"), QPalette::ButtonText}, {QStringLiteral("Highlight"), QPalette::Highlight},
        {QStringLiteral("HighlightedText"), QPalette::HighlightedText},
        {QStringLiteral("ToolTipBase"), QPalette::ToolTipBase}, {QStringLiteral("ToolTipText"), QPalette::ToolTipText},
    };
    QPalette palette = qApp->style()->standardPalette();
    QString stylesheet = resource(QStringLiteral("design.qss"));
    for (const QString& line : resource(fil + QStringLiteral(".design")).split(u'\n', Qt::SkipEmptyParts)) {
        const QString key = line.section(u'=', 0, 0).trimmed();
        const QString colour = line.section(u'=', 1).trimmed();
        if (roller.contains(key))
            palette.setColor(roller.value(key), QColor(colour));
        stylesheet.replace(u'@' + key + u'@', colour);
    }
    graaUdeAf(palette);
    stylesheet.replace(QStringLiteral("@DisabledText@"), palette.color(QPalette::Disabled, QPalette::ButtonText).name());
    qApp->setPalette(palette);
    qApp->setStyleSheet(stylesheet);
    return true;
}
