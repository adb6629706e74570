#include "app/programentry.h"

#include "app/teditform.h"
#include "boxes/tinfform.h"
#include "app/tmainform.h"
#include "boxes/tspform.h"

ProgramEntry::ProgramEntry(const QString& shippedProgram, const QStringList& arguments)
    : main(std::make_unique<Tmainform>(shippedProgram, arguments))
    , info(new Tinfform(main.get()))
    , spoergsmaal(new Tspform(main.get()))
    , edit(std::make_unique<Teditform>())
{
    main->setBokse(info, spoergsmaal);
}

ProgramEntry::~ProgramEntry() = default;

void ProgramEntry::start() { main->show(); }
