#pragma once

#include "tree/tmakestrukturer.h"

class QAction;
class QMenu;

// The tree engine of an explorer window: builds both trees and answers where the user is and
// what is selected.
class TStrukturCompo : public TMakeStrukturer {
    Q_OBJECT
public:
    using TMakeStrukturer::TMakeStrukturer;

    bool MultiSelect() const { return FMultiSelect; }
    void setMultiSelect(bool multi) { FMultiSelect = multi; }
    QString GemHentFilnavn() const { return FGemHentFilnavn; }
    void setGemHentFilnavn(const QString& filnavn) { FGemHentFilnavn = filnavn; }

    // The drive menu.
    void makeDrevMenu(QMenu* PU);
    void drevKlik(QAction* entry);

    // Where the user is.
    QString getDirectory();
    QString udfoldFileDirectory() const;
    QString getFileDirectory(bool FjernSelect);
    QString getFocusDirectory(int X, int Y);
    QString getFocusFilDirectory(int X, int Y);

    // What is selected.
    QString getSelected();
    QString getSelectedMedSti();
    int getSelectListe(QStringList& aListe) const;
    int loadLister(QStringList& aMlist, QStringList& aFlist);
    QString makeParamString() const;
    int getNodeId() const;

    // Changing the selection.
    QString SelectFil(const QString& fName);
    void SelectMapperFiler(int actionNumber);
    void deselectMapper();
    int fremvisFiltype(QString aExt);

    // The folder tree's outline saved and loaded; one type of file listed; extensions renamed.
    bool GemStrukturen();
    bool HentStrukturen(int fremstillingsNo);
    int makeStrukturFil(QString aExt);
    int RenameFilExt(const QString& aMappe, const QString& oldExt, const QString& newExt, bool alleMapper);

private:
    QTreeWidget* aktivTrae() const;
    QString valgt(bool medSti);

    bool FMultiSelect = false;
    QString FGemHentFilnavn;
};
