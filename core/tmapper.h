#pragma once

#include "platform/drives.h"

#include <QObject>
#include <QString>
#include <stdexcept>

class Beskeder;
class QTreeWidget;

// Raised by a special-folder getter when the folder is not there; carries the Danish message.
class MappeFejl : public std::runtime_error {
public:
    explicit MappeFejl(const QString& besked) : std::runtime_error(besked.toStdString()), besked(besked) {}
    QString besked;
};

// The two trees an engine fills, the user it works for, and where it says what went wrong.
class TGrundObjekt : public QObject {
    Q_OBJECT
public:
    explicit TGrundObjekt(QObject* owner = nullptr);

    QTreeWidget* Struktur1() const { return FStruktur1; }
    QTreeWidget* Struktur2() const { return FStruktur2; }
    void setStruktur1(QTreeWidget* tree) { FStruktur1 = tree; }
    void setStruktur2(QTreeWidget* tree) { FStruktur2 = tree; }
    QString Brugernavn() const { return FBrugernavn; }
    void setBrugernavn(const QString& navn) { FBrugernavn = navn; }
    void setBeskeder(Beskeder* beskeder) { FBeskeder = beskeder; }

protected:
    // Shows text in the information box, when the owner gave the engine one.
    void sig(const QString& tekst) const;

    QTreeWidget* FStruktur1 = nullptr;
    QTreeWidget* FStruktur2 = nullptr;
    QString FBrugernavn;
    Beskeder* FBeskeder = nullptr;
};

// The user's special folders. The getters that raise throw MappeFejl when the folder is not there.
class TMapper : public TGrundObjekt {
    Q_OBJECT
public:
    using TGrundObjekt::TGrundObjekt;

    QString GetMyDesktop() const;
    QString GetMyDocuments() const;
    QString GetMyFavorit() const;
    QString GetMyPictures() const;
    QString GetMyMusic() const;
    QString GetMyVideo() const;
    QString GetMyApp() const;
    QString GetStartMenuPrograms() const;
    QString GetCommonDocuments() const;
    QString GetCommonMusic() const;
    QString GetCommonPictures() const;
    QString GetCommonVideo() const;
    // The downloads folder, or "/" when it does not exist.
    QString GetMyDownLoad() const;
    // The folder shared by all users, or "/" when it does not exist.
    QString GetAllUsers() const;
    // The camera-roll folder under the pictures folder, whether it exists or not.
    QString GetCameraPath() const;
};

// The current folder and file, and whether private folders and hidden entries are shown.
class TStrukMapper : public TMapper {
    Q_OBJECT
public:
    using TMapper::TMapper;

    bool ShowPrivate() const { return FShowPrivate; }
    void setShowPrivate(bool show) { FShowPrivate = show; }
    bool ShowHidden() const { return FShowHidden; }
    void setShowHidden(bool show) { FShowHidden = show; }
    QString Filnavn() const { return FFilnavn; }
    void setFilnavn(const QString& filnavn) { FFilnavn = filnavn; }
    QString Mappenavn() const { return FMappenavn; }
    void setMappenavn(const QString& mappenavn) { FMappenavn = mappenavn; }

    // The kind of drive mounted at path: 1 removable, 2 fixed, 3 CD or DVD, 4 RAM, 5 network,
    // 0 anything else.
    int getDrevType(const QString& path) const;
    QString getVolumeLabel(const QString& rod) const;

protected:
    bool FShowPrivate = false;
    bool FShowHidden = false;
    QString FFilnavn;
    QString FMappenavn;
};
