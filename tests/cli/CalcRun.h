#pragma once
// korvane-calc run as a user runs it, from the tests: arguments in, standard output, standard
// error and exit status out. KORVANE_CALC names the program.

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace korvane::test {

struct CalcRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline CalcRun RunCalc(const std::string &arguments) {
    const std::filesystem::path errFile =
        std::filesystem::temp_directory_path() / ("korvane_err_" + std::to_string(getpid()));
    // The watchdog turns a hang into a failure (exit 124) instead of a blocked test run.
    const std::string command =
        "timeout 60 " + std::string(KORVANE_CALC) + " " + arguments + " 2>" + errFile.string();
    CalcRun run;
    FILE *pipe = popen(command.c_str(), "r");
    std::array<char, 4096> buffer;
    std::size_t n;
    while ((n = fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
        run.out.append(buffer.data(), n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    std::ifstream in(errFile);
    run.err.assign(std::istreambuf_iterator<char>(in), {});
    std::filesystem::remove(errFile);
    return run;
}

} // namespace korvane::test
