#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class Handlingsregler;
class QComboBox;
class QFileSystemWatcher;
class QLineEdit;
class QTimer;
class Tmainform;

// The window "WMI": fetches the list of WMI classes (the installation's "_wmiClasses.wsf"
// writes "classes.txt" in the user's WMI folder), loads it, writes a class's script
// ("_udskrivKode.wsf" / "_udskrivKodeHTML.wsf"), runs that script as soon as it appears and
// shows its folder in an explorer; starts the system-information and device scripts of the
// applets, and searches the net for a class name.
class TwmiForm : public QWidget {
    Q_OBJECT
public:
    TwmiForm(Tmainform& main, bool internt);

    // Runs a script: a ".bat" or ".sh" in the user's terminal as runFilname does, any other file
    // with the "open" verb, the arguments each its own, in the working folder. A failure through
    // ErrorInfo; true when started.
    bool goScript(const QString& file, const QStringList& arguments, const QString& folder);

    void AloadListeExecute();
    void AwmiExecute();
    void AmakeFileExecute(bool html);
    void wmiTimerTimer();
    void googleUrlenExecute();

    const bool showInternt;
    const QString optFilnavn;
    const QString wmidir;
    const QString wmiFile;
    const QString udskrivFile;
    const QString udskrivFileHTML;
    const QString wmiMappe;
    const QString classFile;
    QString vbsFile;
    // The output the started script writes, shown in an explorer window once it is there.
    QString outputFil;
    int outputForsoeg = 0;
    bool namespaceDone = false;
    bool wmiDone = false;
    QTimer* wmiTimer = nullptr;
    // Where a window of its own stands when "WMI.txt" does not say: left and top.
    static inline const QList<int> placering = {20, 40};

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* byggeVenstre();
    QWidget* byggeHoejre();
    void ukendtFejl();

    Tmainform& main;
    Handlingsregler* regler;
    QComboBox* wmiBox = nullptr;
    QLineEdit* findEdit = nullptr;
    QWidget* panelRight = nullptr;
    QFileSystemWatcher* vagt = nullptr;
};

void registrerWmi(Tmainform& main);
