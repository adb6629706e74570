#pragma once

#include "core/beskeder.h"

class Tinfform;
class Tspform;

// The engines' messages and questions, shown in the information box and the question box.
class BoksBeskeder final : public Beskeder {
public:
    BoksBeskeder(Tinfform* info, Tspform* spoergsmaal) : info(info), spoergsmaal(spoergsmaal) {}

    void sig(const QString& tekst) override;
    Svar spoerg(const QString& tekst, AlleCheck alleCheck) override;

private:
    Tinfform* info;
    Tspform* spoergsmaal;
};
