#include "platform/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace platform {

char16_t windows1252Tegn(unsigned char byte)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
        0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    return (byte >= 0x80 && byte < 0xA0) ? high[byte - 0x80] : char16_t(byte);
}

namespace {

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(windows1252Tegn(static_cast<unsigned char>(c)));
    return text;
}

QString decodeWith(QStringConverter::Encoding encoding, QByteArrayView bytes)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder.decode(bytes);
}

}  // namespace

QString decodeText(const QByteArray& bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeWith(QStringConverter::Utf8, QByteArrayView(bytes).sliced(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decodeWith(QStringConverter::Utf16LE, QByteArrayView(bytes).sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decodeWith(QStringConverter::Utf16BE, QByteArrayView(bytes).sliced(2));
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    return decodeWindows1252(bytes);
}

QStringList splitLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(u'\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines)
        if (line.endsWith(u'\r'))
            line.chop(1);
    return lines;
}

std::optional<QStringList> readTextLines(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return splitLines(decodeText(bytes));
}

std::optional<QList<int>> readNumberLines(const QString& path, int count)
{
    const std::optional<QStringList> lines = readTextLines(path);
    if (!lines || lines->size() < count)
        return std::nullopt;
    QList<int> numbers;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        numbers.append(lines->at(i).trimmed().toInt(&ok));
        if (!ok)
            return std::nullopt;
    }
    return numbers;
}

bool writeTextLines(const QString& path, const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QString gemUlaeseligFil(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    const QString kopi = path + QStringLiteral(".fejl");
    QFile::remove(kopi);
    return QFile::copy(path, kopi) ? kopi : QString();
}

QString ulaeseligIndstillingsfil(const QString& kopi)
{
    return QStringLiteral("Indstillingsfilen kunne ikke læses helt; standardværdier bruges. ")
        + (kopi.isEmpty() ? QStringLiteral("Der kunne ikke gemmes en kopi af den.")
                          : QStringLiteral("En kopi er gemt som ") + kopi);
}

}  // namespace platform
