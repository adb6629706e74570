#pragma once

#include <QDialog>

class QLabel;
class QListWidget;
class QVBoxLayout;

// What the progress window and the delete window share: the count, the overall percentage,
// the remaining elements and the disabled list of folders, each ticked when it is done.
class TFremgangsform : public QDialog {
    Q_OBJECT
public:
    TFremgangsform(const QString& caption, QWidget* mainWindow);

    // Empties the folder list and fills it with these folders, none ticked.
    void visMapper(const QStringList& mapper);
    void tilfoejMappe(const QString& mappe);
    void afkryds(int index);
    bool erAfkrydset(int index) const;

    QLabel* LabelInfo;
    QLabel* LabelProcent;
    QLabel* LabelTekst;
    QLabel* LabelResterende;
    QListWidget* listbox;

protected:
    // Escape leaves the window as it is: it shows an operation that runs; Stop ends a copy.
    void keyPressEvent(QKeyEvent* event) override;

    // The window's column, for the controls of the window itself.
    QVBoxLayout* kolonne;
    // Adds the row of the percentage and the remaining elements.
    void tilfoejResterende();
};
