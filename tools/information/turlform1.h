#pragma once

#include <QDialog>

class QAction;
class QListWidget;
class QVBoxLayout;

// "Informationssider": the history of visited information pages, one title per line. It lives
// from program start to the end; the information window borrows its list while it is a child
// window of the main window.
class Turlform1 : public QDialog {
    Q_OBJECT
public:
    // sizeFile: "urlboks.txt" with the width and height of the window.
    Turlform1(QWidget* mainWindow, const QString& sizeFile);
    ~Turlform1() override;

    QListWidget* urlListe() const { return liste; }
    QAction* AsletAlle() const { return sletAlle; }
    // Puts the list back into this window after the information window borrowed it.
    void tagListeTilbage();

Q_SIGNALS:
    void linjeValgt(int linje);
    void listeSlettet();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QString sizeFile;
    QListWidget* liste;
    QAction* sletAlle;
    QVBoxLayout* layout;
};
