#include "TestDir.h"
#include "Unprivileged.h"

#include <gtest/gtest.h>
#include <ostrel/system/KeptFile.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>

using namespace ostrel;
using testing_support::TestDir;

namespace
{

std::vector<std::string> folderNames(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
    {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(KeptFile, ReplacesTheWholeFileAndLeavesNothingElse)
{
    TestDir dir(TestDir::EMPTY);
    std::string error;
    ASSERT_TRUE(writeKeptFile("kept.txt", "a long first content\n", error)) << error;
    ASSERT_TRUE(writeKeptFile("kept.txt", "short\n", error)) << error;
    EXPECT_EQ(error, "");
    std::string content;
    EXPECT_EQ(readKeptFile("kept.txt", content, error), ReadOutcome::READ);
    EXPECT_EQ(content, "short\n");
    EXPECT_EQ(folderNames(dir.path()), std::vector<std::string>{"kept.txt"});
    struct stat info
    {
    };
    ASSERT_EQ(stat("kept.txt", &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0644u);

    EXPECT_EQ(readKeptFile("missing.txt", content, error), ReadOutcome::MISSING);
    std::filesystem::create_directory("folder.txt");
    EXPECT_EQ(readKeptFile("folder.txt", content, error), ReadOutcome::FAILED);
    dir.write("empty.txt", "");
    EXPECT_EQ(readKeptFile("empty.txt", content, error), ReadOutcome::READ);
    EXPECT_EQ(content, "");
}

// A file this user may not read is told apart from a broken one: it is not theirs to set aside.
TEST(KeptFile, AFileThatMayNotBeReadIsDenied)
{
    TestDir dir(TestDir::EMPTY);
    std::filesystem::permissions(dir.path(), std::filesystem::perms::owner_all | std::filesystem::perms::group_exec |
                                                 std::filesystem::perms::others_exec);
    dir.write("kept.txt", "not yours\n");
    std::filesystem::permissions("kept.txt", std::filesystem::perms::none);
    const int outcome = testing_support::runUnprivileged(
        []
        {
            std::string content;
            std::string error;
            const ReadOutcome read = readKeptFile("kept.txt", content, error);
            return read == ReadOutcome::DENIED && error == "Permission denied" && content.empty() ? 0 : 1 + int(read);
        });
    EXPECT_EQ(outcome, 0) << "1 + the outcome read";
}

// However the writing fails, the old file stays whole and no temporary file is left.
TEST(KeptFile, AFailedWriteLeavesTheOldFileWhole)
{
    TestDir dir(TestDir::EMPTY);
    dir.write("kept.txt", "old\n");

    // The disk fills up halfway (a file size limit stands in for it, root or not).
    const pid_t child = fork();
    if (child == 0)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        _exit(writeKeptFile("kept.txt", std::string(5000, 'x'), error) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the write reported its failure";
    EXPECT_EQ(dir.read("kept.txt"), "old\n");

    // The rename cannot replace what stands there: a folder that is not empty.
    dir.write("blocked.txt/inside", "kept too\n");
    std::string error;
    EXPECT_FALSE(writeKeptFile("blocked.txt", "new\n", error));
    EXPECT_NE(error.find("blocked.txt"), std::string::npos) << error;
    EXPECT_EQ(dir.read("blocked.txt/inside"), "kept too\n");

    // No folder to write in at all.
    EXPECT_FALSE(writeKeptFile("no-such-folder/kept.txt", "new\n", error));
    EXPECT_EQ(folderNames(dir.path()), (std::vector<std::string>{"blocked.txt", "kept.txt"}));
}

TEST(KeptFile, MovingAsideNeverOverwritesAnEarlierBadFile)
{
    TestDir dir(TestDir::EMPTY);
    dir.write("kept.txt", "first\n");
    EXPECT_EQ(moveKeptFileAside("kept.txt"), "kept.txt.bad");
    dir.write("kept.txt", "second\n");
    EXPECT_EQ(moveKeptFileAside("kept.txt"), "kept.txt.2.bad");
    EXPECT_EQ(dir.read("kept.txt.bad"), "first\n");
    EXPECT_EQ(dir.read("kept.txt.2.bad"), "second\n");
    EXPECT_FALSE(std::filesystem::exists("kept.txt"));
    EXPECT_EQ(moveKeptFileAside("kept.txt"), "") << "nothing to move";
}
