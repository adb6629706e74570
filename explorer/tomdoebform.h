#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;
class QFormLayout;

// The two rename dialogs: read-only rows, the field for the new text, and "Omdøb" and "Annuller";
// Enter in the new text moves to "Omdøb", so a second Enter confirms.
class TOmdoebForm : public QDialog {
    Q_OBJECT
public:
    QLineEdit* mappeEdit;
    QLineEdit* oldEdit;
    QLineEdit* newEdit;
    QPushButton* okKnap;
    QPushButton* annullerKnap;

    // Shows the dialog with newEdit empty and in focus; true for "Omdøb".
    bool vis();

protected:
    TOmdoebForm(const QString& caption, int bredde, const QString& gammelTekst, const QString& nyTekst, QWidget* mainWindow);
    QFormLayout* raekker;
};

// "Omdøb": a new name for a folder or file.
class TrenameForm : public TOmdoebForm {
    Q_OBJECT
public:
    explicit TrenameForm(QWidget* mainWindow);
};

// "Omdøb filtype": a new extension for the files of a folder, and whether its subfolders join.
class TextForm : public TOmdoebForm {
    Q_OBJECT
public:
    explicit TextForm(QWidget* mainWindow);
    QComboBox* Check;
};
