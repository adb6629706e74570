#include "fileops/tfilmappedrevinfo.h"

#include "core/stoerrelser.h"
#include "fileops/tfilinfoform.h"
#include "platform/attributes.h"
#include "platform/drives.h"
#include "platform/registry.h"
#include "core/beskeder.h"
#include "core/drev.h"
#include "core/pathhelpers.h"
#include "tree/tstrukturcompo.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPixmap>
#include <QProgressBar>
#include <QStyle>
#include <cmath>
#include <sys/stat.h>
#include <sys/statvfs.h>

namespace {

const QStringList videoEndelser = {"mp4", "m4v", "avi", "mov", "wmv", "mpg", "ts"};
const QStringList musikEndelser = {"mp3", "m4a"};
const QStringList billedEndelser = {"bmp", "jpg", "ico", "gif", "png", "jpeg", "tif", "tiff", "emf", "wmf"};

QString tidspunkt(const std::optional<QDateTime>& tid)
{
    return tid ? QLocale().toString(tid->toLocalTime(), QLocale::ShortFormat) : QStringLiteral("Ukendt");
}

QString tidspunkt(const QDateTime& tid) { return tidspunkt(std::optional<QDateTime>(tid)); }

}  // namespace

TFilMappeDrevInfo::TFilMappeDrevInfo(QObject* owner)
    : QObject(owner)
    , FStrukturY(std::make_unique<TStrukturCompo>())
{
}

TFilMappeDrevInfo::~TFilMappeDrevInfo() { delete FEleInfo; }

void TFilMappeDrevInfo::sig(const QString& tekst) const
{
    if (FBeskeder)
        FBeskeder->sig(tekst);
}

void TFilMappeDrevInfo::setInfoVindue(QWidget* mainWindow, const QString& ikonMappe)
{
    delete FEleInfo;
    FEleInfo = new Tfilinfoform(mainWindow, FBeskeder);
    ikonDir = ikonMappe;
}

Tfilinfoform* TFilMappeDrevInfo::EleInfo() const { return FEleInfo; }

int TFilMappeDrevInfo::getID() const { return FStrukturY->getNodeId(); }

QString TFilMappeDrevInfo::getFilType(const QString& e)
{
    struct Art {
        QStringList endelser;
        const char* tekst;
    };
    static const Art arter[] = {
        {videoEndelser, "Videofil: "},   {musikEndelser, "Musikfil: "},   {billedEndelser, "Billedfil: "},
        {{"txt"}, "Tekstfil: "},         {{"html", "htm", "asp"}, "Webfil: "}, {{"js", "vbs"}, "Scriptfil: "},
        {{"css"}, "Stylesheet: "},       {{"wsf"}, "Window script fil: "}, {{"inc"}, "Includefil: "},
        {{"bat"}, "Batchfil: "},         {{"pas"}, "Delphi/Pascalfil: "}, {{"lnk"}, "Genvej: "},
    };
    for (const Art& art : arter)
        if (art.endelser.contains(e))
            return QString::fromUtf8(art.tekst);
    return {};
}

QString TFilMappeDrevInfo::makeIconFilnavn(const QString& navn) const { return ikonDir + navn + QStringLiteral("_ikon.ico"); }

QString TFilMappeDrevInfo::insertIkon(const QString& aFilename)
{
    const QString e = filExt(aFilename).mid(1).toLower();
    QString navn = QStringLiteral("ukendt");
    if (!e.isEmpty() && QFileInfo::exists(makeIconFilnavn(e)))
        navn = e;
    else if (videoEndelser.contains(e))
        navn = QStringLiteral("film");
    else if (musikEndelser.contains(e))
        navn = QStringLiteral("musik");
    else if (billedEndelser.contains(e))
        navn = QStringLiteral("billeder");
    // Programs carry no icon of their own here; they show the "ukendt" icon too.
    FEleInfo->ikonBox->setProperty("ikon", navn);
    const QPixmap ikon(makeIconFilnavn(navn));
    FEleInfo->ikonBox->setPixmap(ikon.isNull() ? FEleInfo->style()->standardIcon(QStyle::SP_FileIcon).pixmap(32) : ikon);
    return e;
}

QString TFilMappeDrevInfo::getSizeInfo(const QString& aFilename)
{
    struct stat st;
    return getSizeString(::stat(QFile::encodeName(aFilename).constData(), &st) == 0 ? st.st_size : 0);
}

void TFilMappeDrevInfo::showFileInfo(const QString& aFilename)
{
    Tfilinfoform& vindue = *FEleInfo;
    const QFileInfo info(aFilename);
    if (!info.exists()) {
        vindue.close();
        sig(QStringLiteral("Der opstod en fejl.\rFilen er muligvist i brug."));
        return;
    }
    const QString e = insertIkon(aFilename);
    vindue.Filnavn = aFilename;
    vindue.EditFilnavn->setText(info.fileName());
    vindue.EditPath->setText(delimKon(info.path()));
    vindue.LabelFiltype->setText(getFilType(e) + e.toUpper() + QStringLiteral("-fil (.") + e + u')');
    vindue.LabelSize->setText(getSizeInfo(aFilename));
    vindue.LabelOprettet->setText(tidspunkt(platform::oprettet(aFilename)));
    vindue.LabelForandret->setText(tidspunkt(info.lastModified()));
    vindue.LabelAabnet->setText(tidspunkt(info.lastRead()));
    vindue.cbReadOnly->setChecked(platform::erSkrivebeskyttet(aFilename));
    vindue.cbHidden->setChecked(platform::erSkjult(aFilename));
    vindue.visSide(0, QStringLiteral("Fil egenskaber"));
}

void TFilMappeDrevInfo::showMappeInfo()
{
    TStrukturCompo& compo = *FStrukturY;
    QString mappe = compo.getSelectedMedSti();
    QString navn = compo.getSelected();
    if (compo.AktiveStruktur() == 1 && mappe.isEmpty()) {
        sig(QStringLiteral("Der er ikke valgt en mappe."));
        return;
    }
    if (mappe.isEmpty()) {
        mappe = compo.Mappenavn();
        navn = getLastDirectory(mappe);
    }
    if (!QFileInfo(mappe).isDir()) {
        sig(QStringLiteral("Mappen blev ikke fundet."));
        return;
    }
    Tfilinfoform& vindue = *FEleInfo;
    vindue.EditMappenavn->setText(navn);
    vindue.LabelPlacering->setText(QFileInfo(mappe.endsWith(u'/') && mappe.size() > 1 ? mappe.chopped(1) : mappe).path());
    vindue.LabeloprettelsesDato->setText(tidspunkt(platform::oprettet(mappe)));
    MappeOptaelling optaelling;
    const auto skrivInfo = [&vindue, &optaelling] {
        vindue.LabelMappeSize->setText(getSizeString(optaelling.bytes));
        vindue.LabelMappeIndhold->setText(heltal(optaelling.filer) + QStringLiteral(" filer, ") + heltal(optaelling.mapper)
                                          + QStringLiteral(" mapper"));
    };
    skrivInfo();
    vindue.visSide(1, QStringLiteral("Mappe egenskaber"));
    // The window stays usable while the folder is counted, and may be closed meanwhile.
    optaelling.nyMappe = [&skrivInfo](qint64) {
        skrivInfo();
        QCoreApplication::processEvents();
    };
    getMappeInfo(mappe, optaelling);
    skrivInfo();
}

QString TFilMappeDrevInfo::getVolumeLabel(const QString& sti) { return drevLabel(drevDel(sti)); }

QString TFilMappeDrevInfo::getDrevTypeString(const QString& sti)
{
    switch (getDrevKind(drevDel(sti))) {
    case platform::DriveKind::Removable:
        return QStringLiteral("Flytbar disk");
    case platform::DriveKind::Fixed:
        return QStringLiteral("Lokal disk");
    case platform::DriveKind::Network:
        return QStringLiteral("Fjern disk");
    case platform::DriveKind::Optical:
        return QStringLiteral("CD ROM disk");
    case platform::DriveKind::Ram:
        return QStringLiteral("RAM disk");
    default:
        return {};
    }
}

QString TFilMappeDrevInfo::getFileSystem(const QString& sti)
{
    const QString rod = drevDel(sti);
    QString type;
    for (const platform::DriveInfo& drev : platform::get<platform::Drives>().mounted())
        if (drev.mountPoint == rod)
            type = drev.fsType;  // the mount seen last is the one in force
    return type.isEmpty() ? QStringLiteral("Ukendt") : type;
}

void TFilMappeDrevInfo::showDriveInfo(const QString& aDriveTekst)
{
    Tfilinfoform& vindue = *FEleInfo;
    const QString rod = drevDel(aDriveTekst);
    struct statvfs fs {};
    qint64 kapacitet = 0;
    qint64 ledig = 0;
    if (::statvfs(QFile::encodeName(aDriveTekst).constData(), &fs) == 0) {
        kapacitet = qint64(fs.f_blocks) * qint64(fs.f_frsize);
        ledig = qint64(fs.f_bavail) * qint64(fs.f_frsize);
    }
    const qint64 anvendt = kapacitet - ledig;
    vindue.EditDisknavn->setText(getVolumeLabel(aDriveTekst) + QStringLiteral(" (") + rod + u')');
    vindue.LabelType->setText(getDrevTypeString(aDriveTekst));
    vindue.LabelFilsystem->setText(getFileSystem(aDriveTekst));
    vindue.LabelAnvendtSpace->setText(getSizeString(anvendt));
    vindue.LabelFreeSpace->setText(getSizeString(ledig));
    vindue.LabelKapasitet->setText(getSizeString(kapacitet));
    vindue.ProgressBar->setValue(kapacitet < 1 ? 100 : int(std::lround(double(anvendt) * 100.0 / double(kapacitet))));
    vindue.visSide(2, QStringLiteral("Drev egenskaber"));
}
