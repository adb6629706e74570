#pragma once

#include <functional>

class QDialog;

// Every modal box and dialog of the program is shown through here. A test installs a script
// that is given the box, ready to be shown, instead of the user, and returns the box's result
// (QDialog::Accepted, QDialog::Rejected or the dialog's own codes); no window then waits.
namespace modalseam {

using Script = std::function<int(QDialog& box)>;

// An empty script brings back real modal showing.
void install(Script script);

int exec(QDialog& box);

// The boxes shown through here that have not returned yet.
int aabne();
// Runs efter once no box is open any more: at once when none is.
void naarIngenAaben(std::function<void()> efter);
// Nobody is there to answer any more (the program closes on a termination signal): every open
// box ends as if closed with its close button, and every later box returns that at once, unseen.
void afslutAlle();

}  // namespace modalseam
