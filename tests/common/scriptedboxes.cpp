#include "tests/common/scriptedboxes.h"

#include "boxes/modalseam.h"
#include "boxes/tboksform.h"

#include <QCheckBox>

ScriptedBoxes::ScriptedBoxes()
{
    modalseam::install([this](QDialog& box) {
        Shown seen{box.windowTitle(), QString(), box.size(), false};
        if (auto* message = qobject_cast<TBoksform*>(&box))
            seen.text = message->tekst();
        auto* alle = box.findChild<QCheckBox*>(QStringLiteral("alleCheck"));
        seen.alleCheckVisible = alle && alle->isVisibleTo(&box);
        shown.append(seen);
        const Answer next = answers.isEmpty() ? Answer{QDialog::Accepted, false} : answers.takeFirst();
        if (alle)
            alle->setChecked(next.alle);
        return next.result;
    });
}

ScriptedBoxes::~ScriptedBoxes() { modalseam::install({}); }

QStringList ScriptedBoxes::texts() const
{
    QStringList all;
    for (const Shown& box : shown)
        all.append(box.text);
    return all;
}
