#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class Beskeder;
class QWidget;
class Tfilinfoform;
class TStrukturCompo;

// The layer of the method component that tells about the element selected in the explorer's
// trees: a file, a folder or a drive, in the information window. It owns the tree engine.
class TFilMappeDrevInfo : public QObject {
    Q_OBJECT
public:
    explicit TFilMappeDrevInfo(QObject* owner = nullptr);
    ~TFilMappeDrevInfo() override;

    TStrukturCompo& StrukturY() const { return *FStrukturY; }
    void setBeskeder(Beskeder* beskeder) { FBeskeder = beskeder; }
    // The information window is made on top of mainWindow, with its icons from ikonMappe.
    void setInfoVindue(QWidget* mainWindow, const QString& ikonMappe);
    Tfilinfoform* EleInfo() const;

    // The kind of the node selected in the active tree, 100 for none.
    int getID() const;
    void showFileInfo(const QString& aFilename);
    void showMappeInfo();
    void showDriveInfo(const QString& aDriveTekst);

    // Facts of the drive (mounted file system) that holds a path.
    static QString getVolumeLabel(const QString& sti);
    static QString getDrevTypeString(const QString& sti);
    static QString getFileSystem(const QString& sti);
    // The size string of a file's length.
    static QString getSizeInfo(const QString& aFilename);
    // The kind text of an extension (lower case, without its dot), such as "Videofil: ".
    static QString getFilType(const QString& e);
    QString makeIconFilnavn(const QString& navn) const;
    // Shows the icon of a file; its extension in lower case, without its dot.
    QString insertIkon(const QString& aFilename);

protected:
    void sig(const QString& tekst) const;

    std::unique_ptr<TStrukturCompo> FStrukturY;
    Beskeder* FBeskeder = nullptr;

private:
    QPointer<Tfilinfoform> FEleInfo;
    QString ikonDir;
};
