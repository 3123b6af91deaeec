// Times whole processes without a shell in between: each command is started with
// posix_spawn, its output sent to /dev/null, and timed from the spawn to its end (wall) and
// by its own processor time (user + system, from wait4). The commands are run in turns,
// RUNS rounds, so that a burst of the machine's other load hits every command of a round
// alike; each round gives the ratio of every command to the first, and the medians of
// those paired ratios are printed beside the median times.
//
// Usage: paired_runs RUNS NAME COMMAND... [:: NAME COMMAND...]...
// Prints one line per command: name, median wall ms, median processor ms, median paired
// wall ratio and processor ratio to the first command.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Command {
    std::string name;
    std::vector<char *> argv; // ends with nullptr
};

struct Timing {
    double wallMs;
    double cpuMs;
};

double Milliseconds(const timeval &t) {
    return t.tv_sec * 1e3 + t.tv_usec / 1e3;
}

Timing RunOnce(const Command &command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, command.argv[0], &actions, nullptr, command.argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", command.argv[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            Milliseconds(usage.ru_utime) + Milliseconds(usage.ru_stime)};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<Command> ParseCommands(int argc, char *argv[]) {
    std::vector<Command> commands;
    for (int i = 2; i < argc;) {
        Command command{argv[i++], {}};
        while (i < argc && std::string_view(argv[i]) != "::")
            command.argv.push_back(argv[i++]);
        ++i; // past "::"
        if (command.argv.empty()) {
            std::fprintf(stderr, "%s has no command\n", command.name.c_str());
            std::exit(2);
        }
        command.argv.push_back(nullptr);
        commands.push_back(std::move(command));
    }
    return commands;
}

} // namespace

int main(int argc, char *argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    const std::vector<Command> commands = ParseCommands(argc, argv);
    if (runs < 1 || commands.empty()) {
        std::fprintf(stderr, "usage: paired_runs RUNS NAME COMMAND... [:: NAME COMMAND...]...\n");
        return 2;
    }
    for (const Command &command : commands) // warm the disk cache and the loader's
        RunOnce(command);
    const std::size_t n = commands.size();
    std::vector<std::vector<double>> wall(n), cpu(n), wallRatio(n), cpuRatio(n);
    for (int run = 0; run < runs; ++run) {
        std::vector<Timing> round(n);
        for (std::size_t k = 0; k < n; ++k) { // every other round backwards: none always first
            const std::size_t c = run % 2 ? n - 1 - k : k;
            round[c] = RunOnce(commands[c]);
        }
        for (std::size_t c = 0; c < n; ++c) {
            wall[c].push_back(round[c].wallMs);
            cpu[c].push_back(round[c].cpuMs);
            wallRatio[c].push_back(round[c].wallMs / round[0].wallMs);
            cpuRatio[c].push_back(round[c].cpuMs / std::max(round[0].cpuMs, 1e-3));
        }
    }
    std::printf("%-10s %12s %12s %12s %12s\n", "", "wall ms", "cpu ms", "wall x 1st", "cpu x 1st");
    for (std::size_t c = 0; c < n; ++c)
        std::printf("%-10s %12.2f %12.2f %12.2f %12.2f\n", commands[c].name.c_str(),
                    Median(wall[c]), Median(cpu[c]), Median(wallRatio[c]), Median(cpuRatio[c]));
    std::printf("(%d alternated rounds, medians; ratios are medians of each round's ratio)\n",
                runs);
    return 0;
}
