#include "ScoreFile.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "HighScores.h"
#include "ScratchDir.h"

namespace burrowbop {
namespace {

namespace fs = std::filesystem;
using ScoreFileTest = test::ScratchDir;

mode_t ModeOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st.st_mode & 07777;
}

std::string SaveError(ScoreFile& file) {
    try {
        file.Flush();
    } catch (const ScoreError& error) {
        return error.what();
    }
    return "no error";
}

TEST_F(ScoreFileTest, ConstructingTouchesNoDiskAndTheFirstAccessLoads) {
    ScoreFile file;
    EXPECT_TRUE(Entries().empty());
    WriteFile("rat.ini", "[0]\r\nName=Late\r\n");
    EXPECT_EQ(file.ReadString("0", "Name", "-"), "Late");
    WriteFile("rat.ini", "[0]\r\nName=Changed\r\n");
    EXPECT_EQ(file.ReadString("0", "Name", "-"), "Late") << "the file is read once";
}

TEST_F(ScoreFileTest, MissingFileGivesDefaultsAndOnlyAWriteCreatesIt) {
    ScoreFile file;
    EXPECT_EQ(file.ReadString("0", "Name", "--------"), "--------");
    file.Flush();
    EXPECT_TRUE(Entries().empty());
    file.WriteString("0", "Name", "Bob");
    EXPECT_TRUE(Entries().empty()) << "writes wait for the flush";
    file.Flush();
    EXPECT_EQ(ReadFile("rat.ini"), "[0]\r\nName=Bob\r\n");
    mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(ModeOf("rat.ini"), 0666 & ~mask);
}

TEST_F(ScoreFileTest, ValuesArriveCutTo2047Bytes) {
    WriteFile("rat.ini", "[0]\nName=" + std::string(3000, 'n') + "\n");
    ScoreFile file;
    EXPECT_EQ(file.ReadString("0", "Name", ""), std::string(2047, 'n'));
}

TEST_F(ScoreFileTest, SaveReplacesTheTargetOfALinkAndKeepsPermissions) {
    fs::create_directory("data");
    WriteFile("data/real.ini", "; mine\n[0]\nName=Old\n");
    chmod("data/real.ini", 0640);
    fs::create_symlink("data/real.ini", "rat.ini");
    ScoreFile file;
    file.WriteString("0", "Name", "New");
    file.Flush();
    EXPECT_TRUE(fs::is_symlink("rat.ini"));
    EXPECT_EQ(ReadFile("data/real.ini"), "; mine\n[0]\nName=New\n");
    EXPECT_EQ(ModeOf("data/real.ini"), 0640u);
    EXPECT_EQ(Entries("data"), std::vector<std::string>{"real.ini"}) << "no temporary file is left";
}

TEST_F(ScoreFileTest, ASecondFlushWritesOnlyNewChanges) {
    ScoreFile file;
    file.WriteString("0", "Name", "A");
    file.Flush();
    file.WriteString("0", "Date", "D");
    file.Flush();
    EXPECT_EQ(ReadFile("rat.ini"), "[0]\r\nName=A\r\nDate=D\r\n");
    EXPECT_EQ(file.ReadString("0", "Date", "-"), "D");
}

// Places where the file cannot be replaced. Each setup leaves at path what
// the case later expects to find unchanged.
struct FailCase {
    const char* what;
    std::function<void()> setup;
    std::string path;
    std::string reason;
};

const std::string kKeptContent = "[0]\r\nName=Kept\r\n";

class FailedSaveTest : public test::ScratchDir {
protected:
    void Check(const FailCase& c) {
        SCOPED_TRACE(c.what);
        TearDown();
        SetUp();
        c.setup();
        std::error_code ignored;
        bool isFile = fs::is_regular_file(c.path, ignored);
        ScoreFile file(c.path);
        bool readable = isFile && access(c.path.c_str(), R_OK) == 0;
        EXPECT_EQ(file.ReadString("0", "Name", "dflt"), readable ? "Kept" : "dflt");
        file.WriteString("0", "Name", "New");
        EXPECT_EQ(SaveError(file), "Unable to write to " + c.path + ": " + c.reason);
        chmod(".", 0700);
        if (isFile) {
            chmod(c.path.c_str(), 0600);
            EXPECT_EQ(ReadFile(c.path), kKeptContent);
        }
        EXPECT_EQ(Entries().size(), 1u) << "no temporary file is left";
    }
};

TEST_F(FailedSaveTest, ReportsWhyAndLeavesTheFileAsItWas) {
    const FailCase cases[] = {
        // A file marked read-only stays so, for root as well.
        {"read-only file", [] { WriteFile("rat.ini", kKeptContent); chmod("rat.ini", 0444); }, "./rat.ini", "Permission denied"},
        {"directory in its place", [] { fs::create_directories("rat.ini/inside"); }, "./rat.ini", "Is a directory"},
        {"fifo in its place", [] { mkfifo("rat.ini", 0644); }, "./rat.ini", "Not a regular file"},
        {"parent is a regular file", [] { WriteFile("plain", "x"); }, "plain/rat.ini", "Not a directory"},
        {"link to itself", [] { fs::create_symlink("rat.ini", "rat.ini"); }, "./rat.ini",
         "Too many levels of symbolic links"},
    };
    for (const auto& c : cases) Check(c);
}

TEST_F(FailedSaveTest, ReportsPermissionsThatRootWouldIgnore) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads and writes these anyway";
    const FailCase cases[] = {
        {"read-only directory", [] { WriteFile("rat.ini", kKeptContent); chmod(".", 0555); }, "./rat.ini", "Permission denied"},
        {"unreadable file", [] { WriteFile("rat.ini", kKeptContent); chmod("rat.ini", 0200); }, "./rat.ini", "Permission denied"},
    };
    for (const auto& c : cases) Check(c);
}

TEST_F(ScoreFileTest, AWriteThatFailsHalfWayLeavesTheOldFile) {
    const std::string content = "; keep me\r\n[0]\r\nName=Kept\r\n";
    WriteFile("rat.ini", content);
    ScoreFile file;
    for (int i = 0; i < 10; ++i) file.WriteString(std::to_string(i), "Name", "a long enough name");
    // A file size limit makes the write of the temporary file fail midway,
    // for root as well.
    struct rlimit old {};
    getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 16;
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    std::string error = SaveError(file);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(error, "Unable to write to ./rat.ini: File too large");
    EXPECT_EQ(ReadFile("rat.ini"), content);
    EXPECT_EQ(Entries(), std::vector<std::string>{"rat.ini"});
    file.Flush();  // the edits are still there for another try
    EXPECT_EQ(ScoreFile().ReadString("9", "Name", ""), "a long enough name");
}

}  // namespace
}  // namespace burrowbop
