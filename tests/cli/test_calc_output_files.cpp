// korvane-calc's --pdf and --png files when writing them fails: the old file stays as it was,
// no partial or empty file is left, the run exits 1 and names the file and the reason. Write
// errors are brought about as a user meets them: a file-size limit (ulimit -f, the same
// failing write as a full disk), /dev/full, a small full tmpfs and a read-only one (where
// this machine lets the test mount them), and a run killed half way through a long PDF.
#include "core/DataFile.h"
#include "tests/PdfTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <signal.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct CalcRun {
    int status = -1;
    std::string err;
};

std::string ReadFile(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// Runs korvane-calc through the shell with `limits` (shell commands) before it.
CalcRun RunCalc(const std::string &args, const fs::path &errFile, const std::string &limits = "") {
    const std::string command = limits + "timeout 120 " + std::string(KORVANE_CALC) + " " + args +
                                " >/dev/null 2>'" + errFile.string() + "'";
    const int raw = std::system(command.c_str());
    CalcRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.err = ReadFile(errFile);
    return run;
}

// Writes of more than 4 KB fail with EFBIG, as on a disk that is full: the signal that
// would stop the program at the limit is ignored, so the write returns the error.
const std::string kSmallFileLimit = "ulimit -f 8; trap '' XFSZ; ";

// The names in a folder (a partial file left behind would show here).
std::vector<std::string> Names(const fs::path &folder) {
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class CalcOutputFiles : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() / ("korvane_calc_outputs_" + std::to_string(::getpid()));
        fs::create_directories(m_dir / "out");
        m_case = (m_dir / "case.fdt").string();
        std::ofstream(m_case, std::ios::binary)
            << korvane::DataFileBytes({"korvane 3.6", "1", "0", "5", "0", "111", "3000", "1", "4",
                                       "4", "130", "1470", "0", "第一工区", "22", "A-1"});
    }
    void TearDown() override {
        if (m_mounted)
            ::umount2((m_dir / "out").c_str(), MNT_DETACH);
        fs::remove_all(m_dir);
    }
    fs::path Out(const std::string &name) const { return m_dir / "out" / name; }
    fs::path Err() const { return m_dir / "err.txt"; }

    // A tmpfs on the output folder; false (and the test skips) where mounting is not allowed.
    bool MountTmpfs(const char *options) {
        m_mounted = ::mount("tmpfs", (m_dir / "out").c_str(), "tmpfs", 0, options) == 0;
        return m_mounted;
    }

    fs::path m_dir;
    std::string m_case;
    bool m_mounted = false;
};

// One failing route: how to run, what the reason reads, whether an old file is there.
struct FailureCase {
    const char *name;
    const char *option; // --pdf or --png
    const char *target; // relative to the output folder, or an absolute device
    const char *limits; // shell commands before the run
    bool oldFile;       // an old file stands at the target
    const char *reason;
};

void PrintTo(const FailureCase &c, std::ostream *os) {
    *os << c.name << " " << c.option << " " << c.target;
}

class WritesThatFail : public CalcOutputFiles, public testing::WithParamInterface<FailureCase> {};

TEST_P(WritesThatFail, ExitOneWithFileAndReasonAndTheOldFileUntouched) {
    const FailureCase &c = GetParam();
    const bool device = c.target[0] == '/';
    const fs::path target = device ? fs::path(c.target) : Out(c.target);
    const std::string old = "the old file, not to be touched";
    if (c.oldFile)
        std::ofstream(target, std::ios::binary) << old;
    if (std::string(c.target) == "folder.pdf")
        fs::create_directory(target);
    if (std::string(c.target).starts_with("file/"))
        std::ofstream(Out("file")) << "a file where a folder is expected";
    const auto before = Names(m_dir / "out");

    const std::string limits = std::string(c.limits) == "small" ? kSmallFileLimit : "";
    const CalcRun run = RunCalc(
        std::string(c.option) + " '" + target.string() + "' '" + m_case + "'", Err(), limits);
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.err.find(target.filename().string()), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
    EXPECT_EQ(Names(m_dir / "out"), before) << "a partial file left, or the old one gone";
    if (c.oldFile) {
        const std::string now = ReadFile(target);
        EXPECT_TRUE(now == old) << "the old file is now " << now.size() << " bytes";
    }
}

const FailureCase kFailures[] = {
    {"pdfOverOldAtSizeLimit", "--pdf", "sheet.pdf", "small", true, "ファイルの大きさの上限"},
    {"pdfNewAtSizeLimit", "--pdf", "sheet.pdf", "small", false, "ファイルの大きさの上限"},
    {"pngOverOldAtSizeLimit", "--png", "sheet.png", "small", true, "ファイルの大きさの上限"},
    {"pngNewAtSizeLimit", "--png", "sheet.png", "small", false, "ファイルの大きさの上限"},
    {"pdfOnFullDevice", "--pdf", "/dev/full", "", false, "ディスクがいっぱいです"},
    {"pngOnFullDevice", "--png", "/dev/full", "", false, "ディスクがいっぱいです"},
    {"pdfInMissingFolder", "--pdf", "missing/sheet.pdf", "", false, "フォルダがありません"},
    {"pngUnderAFile", "--png", "file/sheet.png", "", false, "フォルダでないもの"},
    {"pdfOverAFolder", "--pdf", "folder.pdf", "", false, "フォルダです"},
};

INSTANTIATE_TEST_SUITE_P(Routes, WritesThatFail, testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

// The disk itself full, and a read-only folder: a tmpfs of 64 KB with a small old file on
// it, then filled up; the same tmpfs mounted read-only. Needs the right to mount (root).
TEST_F(CalcOutputFiles, FullAndReadOnlyDiskKeepTheOldFiles) {
    if (!MountTmpfs("size=64k"))
        GTEST_SKIP() << "a tmpfs cannot be mounted here (needs root and the right to mount); "
                        "the size-limit and /dev/full routes cover the same failing writes";
    for (const char *name : {"sheet.pdf", "sheet.png"})
        std::ofstream(Out(name), std::ios::binary) << "old " << name;
    {
        std::ofstream filler(Out("filler"), std::ios::binary);
        const std::string block(1024, 'x');
        while (filler << block && filler.flush()) {
        }
    }
    const auto full = Names(m_dir / "out");
    for (const auto &[option, name] : {std::pair{"--pdf", "sheet.pdf"}, {"--png", "sheet.png"}}) {
        const fs::path target = Out(name);
        const CalcRun run =
            RunCalc(std::string(option) + " '" + target.string() + "' '" + m_case + "'", Err());
        EXPECT_EQ(run.status, 1) << option;
        EXPECT_NE(run.err.find("ディスクがいっぱいです"), std::string::npos) << run.err;
        EXPECT_EQ(ReadFile(target), "old " + target.filename().string());
        EXPECT_EQ(Names(m_dir / "out"), full);
    }

    fs::remove(Out("filler"));
    ASSERT_EQ(::mount("tmpfs", Out("").c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    const CalcRun run =
        RunCalc("--pdf '" + Out("sheet.pdf").string() + "' '" + m_case + "'", Err());
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("読み取り専用の場所です"), std::string::npos) << run.err;
    EXPECT_EQ(ReadFile(Out("sheet.pdf")), "old sheet.pdf");
}

// A run killed while it writes a long PDF leaves the old file as it was (or, killed as it
// ends, the complete new one); its temporary file is taken over by the next run, which
// leaves the complete file and nothing else. The kills fall at fractions of the time a whole
// run takes on this machine.
TEST_F(CalcOutputFiles, KilledLongPdfKeepsTheOldFileAndTheNextRunCleansUp) {
    const fs::path pdf = Out("cases.pdf");
    std::string files;
    for (int i = 0; i < 300; ++i)
        files += " '" + m_case + "'";
    const std::string longRun = "--pdf '" + pdf.string() + "'" + files;

    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunCalc(longRun, Err()).status, 0);
    const auto whole = std::chrono::steady_clock::now() - start;
    ASSERT_EQ(korvane::test::PdfPageCount(pdf.string()), 300);
    ASSERT_EQ(RunCalc("--pdf '" + pdf.string() + "' '" + m_case + "'", Err()).status, 0);
    std::string old = ReadFile(pdf);

    const std::string command =
        "exec " + std::string(KORVANE_CALC) + " " + longRun + " >/dev/null 2>/dev/null";
    int killedWhileWriting = 0;
    for (const double fraction : {0.1, 0.3, 0.5, 0.7, 0.9}) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::execl("/bin/sh", "sh", "-c", command.c_str(), nullptr);
            ::_exit(127);
        }
        std::this_thread::sleep_for(whole * fraction);
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        if (!WIFSIGNALED(status)) {
            old = ReadFile(pdf); // it finished first: the complete file is the one to keep
            continue;
        }
        const std::string now = ReadFile(pdf);
        if (now != old) {
            // Killed while ending, after the complete new file took the old one's place: a
            // whole file still, never a part of one.
            EXPECT_EQ(korvane::test::PdfPageCount(pdf.string()), 300)
                << "killed at " << fraction << " of a run, the old file of " << old.size()
                << " bytes is now " << now.size() << " bytes";
            old = now;
            continue;
        }
        ++killedWhileWriting;
    }
    EXPECT_GT(killedWhileWriting, 0) << "every run ended before the kill";

    ASSERT_EQ(RunCalc(longRun, Err()).status, 0);
    EXPECT_EQ(korvane::test::PdfPageCount(pdf.string()), 300);
    EXPECT_EQ(Names(m_dir / "out"), std::vector<std::string>{"cases.pdf"});
}

// A temporary file that a killed run left is no obstacle: it is replaced and gone.
TEST_F(CalcOutputFiles, StaleTemporaryFileGoesWithTheNextWrite) {
    for (const char *name : {"sheet.pdf", "sheet.png"}) {
        const fs::path target = Out(name);
        std::ofstream(target.string() + ".korvane-part") << "left by a killed run";
        const std::string option = std::string("--") + target.extension().string().substr(1);
        ASSERT_EQ(RunCalc(option + " '" + target.string() + "' '" + m_case + "'", Err()).status, 0);
        EXPECT_FALSE(fs::exists(target.string() + ".korvane-part"));
    }
    EXPECT_EQ(Names(m_dir / "out"), (std::vector<std::string>{"sheet.pdf", "sheet.png"}));
    EXPECT_EQ(korvane::test::PdfPageCount(Out("sheet.pdf").string()), 1);
}

} // namespace
