#pragma once

#include <QDialog>
#include <QStringList>

class QAction;
class QLabel;
class QLineEdit;
class QListWidget;
class QSplitter;

// The confirmation before copying, moving or deleting: the folders and files, the destination
// and a question answered "Ja" or "Nej". Its width and the file panel's width come from the
// option file "Spm_kopiering.txt" when it exists.
class Tkopieringsform : public QDialog {
    Q_OBJECT
public:
    static constexpr int mindsteBredde = 415;
    static constexpr int stoersteBredde = 1815;

    Tkopieringsform(const QString& optMappe, QWidget* mainWindow);

    bool skalElementerKopieres(const QString& aDestDir, bool flytEle, const QStringList& filelist,
                               const QStringList& mappelist);
    bool skalElementerSlettes(const QStringList& Fliste, const QStringList& Mliste, bool tilPapirkurv);

    void aUdfoldExecute();
    void aSammenfoldExecute();
    int mappePanelBredde() const;

private:
    bool spoerg(const QString& caption, const QString& spoergsmaal, int billede, const QStringList& mapper,
                const QStringList& filer, const QString& destination);
    void nyBredde(int bredde);

    QListWidget* mappeBox;
    QListWidget* filBox;
    QSplitter* splitter;
    QLineEdit* EditDest;
    QLabel* LabelSpm;
    QLabel* Image1;
    QAction* aUdfold;
    QAction* aSammenfold;
};
