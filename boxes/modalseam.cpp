#include "boxes/modalseam.h"

#include <QDialog>
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

std::vector<std::function<void()>>& ventende()
{
    static std::vector<std::function<void()>> liste;
    return liste;
}

}  // namespace

void install(Script script) { current() = std::move(script); }

int exec(QDialog& box)
{
    ++dybde;
    const int resultat = current() ? current()(box) : box.exec();
    if (--dybde == 0)
        for (const auto& efter : std::exchange(ventende(), {}))
            efter();
    return resultat;
}

int aabne() { return dybde; }

void naarIngenAaben(std::function<void()> efter)
{
    if (dybde == 0)
        efter();
    else
        ventende().push_back(std::move(efter));
}

}  // namespace modalseam
