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

} // namespace korvane
