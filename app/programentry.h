#pragma once

#include <QStringList>
#include <memory>

class Teditform;
class Tinfform;
class Tmainform;
class Tspform;

// The program's start: the windows that live for the whole run, made in their fixed order.
class ProgramEntry {
public:
    ProgramEntry(const QString& shippedProgram, const QStringList& arguments);
    ~ProgramEntry();

    Tmainform& mainform() const { return *main; }
    // Shows the main window; its first activation then runs.
    void start();

private:
    std::unique_ptr<Tmainform> main;
    Tinfform* info;
    Tspform* spoergsmaal;
    std::unique_ptr<Teditform> edit;
};
