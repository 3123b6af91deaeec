// korvane-calc: chooses the part of the command-line calculator that carries out the run and
// gives the run to it with the same arguments (see Calculator.cpp):
//   - a run with --png, --pdf or --draw-log goes to the drawing part, korvane-calc-draw,
//     which replaces this process;
//   - any other run goes to the text part, korvane-calc-text.so, loaded into this process.
// This program itself loads nothing but the C library. Loading Qt's core library takes most
// of a short run's time, so a drawing run would otherwise pay for it twice: once here and
// once in the drawing part.
//
// Both parts are looked for beside this program (the build folder), then where an
// installation puts them. A part that cannot be started or loaded is an error (exit 1) that
// names it; nothing is written.

#include "cli/DrawingOptions.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kExitUnreadable = 1;

// A path of at most PATH_MAX bytes, built without the C++ library.
struct Path {
    char text[PATH_MAX] = {};
};

// The folder this program was started from, with its closing '/': "" when unknown, and
// then the parts are looked for by name alone.
Path OwnFolder() {
    Path folder;
    const ssize_t length = readlink("/proc/self/exe", folder.text, sizeof folder.text - 1);
    if (length <= 0)
        return Path{};
    folder.text[length] = '\0';
    char *lastSlash = std::strrchr(folder.text, '/');
    if (lastSlash == nullptr)
        return Path{};
    lastSlash[1] = '\0';
    return folder;
}

// FOLDER + RELATIVE + NAME.
Path Join(const Path &folder, const char *relative, const char *name) {
    Path path;
    std::snprintf(path.text, sizeof path.text, "%s%s%s", folder.text, relative, name);
    return path;
}

// The part's path beside this program when it is there, else where an installation puts it.
Path PartPath(const Path &folder, const char *installedFolder, const char *name) {
    const Path beside = Join(folder, "", name);
    if (access(beside.text, F_OK) == 0)
        return beside;
    return Join(folder, installedFolder, name);
}

void ReportUnstartable(const char *what, const char *path, const char *reason) {
    std::fprintf(stderr, "korvane-calc: %s %s を起動できません。(%s)\n", what, path, reason);
}

// Replaces this process by the drawing part; returns only when it cannot be started.
int RunDrawingPart(const Path &folder, char *argv[]) {
    const Path program = PartPath(folder, KORVANE_INSTALLED_LIBEXEC "/", "korvane-calc-draw");
    execv(program.text, argv);
    ReportUnstartable("計算書を描く", program.text, std::strerror(errno));
    return kExitUnreadable;
}

// Loads the text part and runs it.
int RunTextPart(const Path &folder, int argc, char *argv[]) {
    const Path module = PartPath(folder, KORVANE_INSTALLED_MODULES "/", "korvane-calc-text.so");
    void *part = dlopen(module.text, RTLD_LAZY | RTLD_LOCAL);
    using Run = int (*)(int, char *[]);
    const auto run = part ? reinterpret_cast<Run>(dlsym(part, "korvane_calc_text_run")) : nullptr;
    if (run == nullptr) {
        const char *reason = dlerror();
        ReportUnstartable("計算部", module.text, reason ? reason : "");
        return kExitUnreadable;
    }
    return run(argc, argv);
}

} // namespace

int main(int argc, char *argv[]) {
    const Path folder = OwnFolder();
    if (korvane::AsksForDrawing(argc, argv))
        return RunDrawingPart(folder, argv);
    return RunTextPart(folder, argc, argv);
}
