#pragma once

#include <QDialog>

class QLabel;
class QVBoxLayout;

// The common ground of the information box and the question box: a fixed-width, word-wrapped
// message that sizes the window to the text each time it is shown, stays on top and is centred
// on the main window.
class TBoksform : public QDialog {
    Q_OBJECT
public:
    static constexpr int outerWidth = 339;
    static constexpr int extraHeight = 80;

    // The text as given; the box shows each "\r\n", "\r" or "\n" in it as a line break.
    void insertTekst(const QString& tekst);
    QString tekst() const;
    // Shows the box modally and returns its result; the text is cleared afterwards.
    int visModal();

protected:
    TBoksform(QWidget* mainWindow, const QString& caption);
    // The height the window gets besides the text.
    virtual int tilfoejetHoejde() const { return extraHeight; }
    virtual void foerVisning() {}
    QVBoxLayout* knapLayout() const { return buttons; }
    QLabel* tekstLabel() const { return label; }

private:
    void nulstil();
    void tilpasStoerrelse();

    QLabel* label;
    QVBoxLayout* buttons;
    QString FTekst;
};
