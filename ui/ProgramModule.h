#pragma once
// The program's modules: windows that only some users open, built into shared libraries of
// their own so that a start does not load them and the libraries under them. A module is
// loaded when one of its windows first opens and stays loaded.

#include <QFunctionPointer>

namespace korvane {

// The address of `entry` in the module `name` (the library's name without prefix and
// suffix). The module is looked for beside the program, then in the installed modules
// folder, then by its name alone (a program that links the module has it loaded already).
// Throws an error naming the module and the reason when it cannot be loaded.
QFunctionPointer ProgramModuleEntry(const char *name, const char *entry);

// The module's table of functions of type `Table`, which its `entry` (a function without
// arguments) returns. Loaded on the first call and kept for the run; a call that throws
// leaves the next one to try again.
template <class Table> const Table &ProgramModuleTable(const char *name, const char *entry) {
    using Entry = const Table *(*)();
    static const Table *const table = reinterpret_cast<Entry>(ProgramModuleEntry(name, entry))();
    return *table;
}

} // namespace korvane
