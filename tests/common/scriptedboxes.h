#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

// Stands in for the user at every modal box while it lives: records what each box showed and
// answers with the queued answers, then with "OK"/"Ja".
class ScriptedBoxes {
public:
    struct Shown {
        QString caption;
        QString text;
        QSize size;
        bool alleCheckVisible = false;
    };

    ScriptedBoxes();
    ~ScriptedBoxes();

    // The next box gets this result (QDialog::Accepted or Rejected); alle ticks "Gør det samme
    // med alle" when the box has it.
    void answer(int result, bool alle = false) { answers.append({result, alle}); }

    QList<Shown> shown;
    QStringList texts() const;

private:
    struct Answer {
        int result;
        bool alle;
    };
    QList<Answer> answers;
};
