#include "boxes/modalseam.h"

#include <QDialog>
#include <QPointer>
#include <utility>
#include <vector>

namespace modalseam {
namespace {

Script& current()
{
    static Script script;
    return script;
}

int dybde = 0;
bool afsluttet = false;

std::vector<QPointer<QDialog>>& aabneBokse()
{
    static std::vector<QPointer<QDialog>> bokse;
    return bokse;
}

std::vector<std::function<void()>>& ventende()
{
    static std::vector<std::function<void()>> liste;
    return liste;
}

}  // namespace

void install(Script script) { current() = std::move(script); }

int exec(QDialog& box)
{
    if (afsluttet)
        return QDialog::Rejected;
    ++dybde;
    aabneBokse().push_back(&box);
    const int resultat = current() ? current()(box) : box.exec();
    aabneBokse().pop_back();
    if (--dybde == 0)
        for (const auto& efter : std::exchange(ventende(), {}))
            efter();
    return resultat;
}

int aabne() { return dybde; }

void afslutAlle()
{
    afsluttet = true;
    for (const QPointer<QDialog>& box : aabneBokse())
        if (box)
            box->reject();
}

void naarIngenAaben(std::function<void()> efter)
{
    if (dybde == 0)
        efter();
    else
        ventende().push_back(std::move(efter));
}

}  // namespace modalseam
