#pragma once

#include "fileops/tfremgangscompo.h"

class Tkopieringsform;

// What a deletion needs besides the deleting itself: the options, the lists, the confirmation and
// delete windows, moving one element to the trash and counting a folder as done.
class TDeleteCompo : public TFremgangsCompo {
    Q_OBJECT
public:
    // When to ask before deleting.
    enum Spoergsmaal { SpoergAltid = 0, KunFoerSlet = 1, SpoergAldrig = 2 };

    // The dialogs are centred on mainWindow; optMappe holds the confirmation dialog's size file;
    // messages go to beskeder.
    TDeleteCompo(const QString& optMappe, QWidget* mainWindow, Beskeder* beskeder, QObject* owner = nullptr);
    ~TDeleteCompo() override;

    QStringList DeleteMapper;
    QStringList DeleteFiler;
    int IntSpm = SpoergAltid;
    bool CloseBoxAfter = true;
    Tkopieringsform* SpmDelBox() const;

protected:
    // One file or folder to the trash; false, said in a message, when it could not go there.
    bool FileDeleteRB(const QString& sti);
    // Counts the files of the folder at index of the lists as done, by the count made before.
    void getInfo(int index);

private:
    QPointer<Tkopieringsform> FSpmDelBox;
};
