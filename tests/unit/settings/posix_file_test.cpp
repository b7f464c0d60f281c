// The POSIX settings file under pressure: another process holding it, read-only files, files that
// change under an open document, a rewrite that dies half-way.
#include "platform/platform.h"
#include "platform/posix/file_testing.h"
#include "scratch_dir.h"

#include <csignal>
#include <functional>
#include <grp.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr uid_t NOBODY = 65534;
const std::string OLD = "; von Hand\r\nDiagonale = 14\r\n";

// Runs `body` in a child process and returns its verdict. Root writes to read-only files whatever
// their mode, so as root the child first becomes an unprivileged user who owns the test directory.
bool in_child(const std::function<bool()>& body, bool unprivileged = false) {
    bool drop = unprivileged && geteuid() == 0;
    if (drop && chown(".", NOBODY, NOBODY) != 0) return false;
    pid_t pid = fork();
    if (pid == 0) {
        if (drop && (setgroups(0, nullptr) != 0 || setgid(NOBODY) != 0 || setuid(NOBODY) != 0)) _exit(2);
        _exit(body() ? 0 : 1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Whether the mode of the file is obeyed, which it is not for a privileged user.
bool unwritable() {
    return access(PREFS, W_OK) != 0;
}

using SharedFile = ScratchDir;

TEST_F(SharedFile, AnotherProcessReadsWhileTheStoreHoldsIt) {
    write_file(PREFS, OLD);
    ASSERT_TRUE(settings_open(PREFS));
    settings_write_float("Diagonale", 15.6f);
    EXPECT_TRUE(in_child([] {
        FileHandle reader = file_open(PREFS, FileAccess::READ_ONLY);
        std::string content;
        bool read = reader != 0 && file_read_all(reader, content) && content == OLD;
        file_close(reader);
        return read && file_open(PREFS, FileAccess::READ_WRITE) == 0 && file_create(PREFS) == 0;
    }));
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), "; von Hand\r\nDiagonale = 15.600000\r\n");
}

// Unprivileged, so that a file's mode is obeyed.
using ReadOnlyFile = ScratchDir;

TEST_F(ReadOnlyFile, IsReadButNeverReplaced) {
    EXPECT_TRUE(in_child(
        [] {
            write_file(PREFS, OLD);
            if (chmod(PREFS, 0444) != 0 || !unwritable() || !settings_open(PREFS)) return false;
            bool read = settings_read_float("Diagonale", 0.0f) == 14.0f;
            settings_write_float("Diagonale", 15.6f);
            settings_close();
            return read && file_bytes(PREFS) == OLD && entries_in_dir() == 1;
        },
        true));
}

TEST_F(ReadOnlyFile, MadeReadOnlyWhileOpenKeepsItsContent) {
    EXPECT_TRUE(in_child(
        [] {
            write_file(PREFS, OLD);
            if (!settings_open(PREFS)) return false;
            settings_write_float("Diagonale", 15.6f);
            if (chmod(PREFS, 0444) != 0 || !unwritable()) return false;
            settings_close();
            return file_bytes(PREFS) == OLD && entries_in_dir() == 1;
        },
        true));
}

// Whatever happens to the name while the document is open, nothing that was there is overwritten.
struct ChangeCase {
    const char* what;
    std::function<void()> change;
    std::optional<std::string> after;
};

class ChangedUnderneath : public ScratchDir, public testing::WithParamInterface<ChangeCase> {};

TEST_P(ChangedUnderneath, IsLeftAlone) {
    write_file(PREFS, OLD);
    ASSERT_TRUE(settings_open(PREFS));
    settings_write_float("Diagonale", 15.6f);
    GetParam().change();
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), GetParam().after);
    EXPECT_EQ(entries_in_dir(), GetParam().after ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangedUnderneath,
                         testing::Values(ChangeCase{"removed", [] { std::filesystem::remove(PREFS); },
                                                    std::nullopt},
                                         ChangeCase{"replaced",
                                                    [] {
                                                        write_file("other", "Fremd = 1\n");
                                                        std::filesystem::rename("other", PREFS);
                                                    },
                                                    "Fremd = 1\n"}),
                         [](const auto& info) { return std::string(info.param.what); });

// Only regular files are settings files: the others neither open, nor block, nor get replaced.
struct OddFileCase {
    const char* what;
    std::function<void()> make;
};

class NotARegularFile : public ScratchDir, public testing::WithParamInterface<OddFileCase> {};

TEST_P(NotARegularFile, IsNoSettingsFile) {
    GetParam().make();
    EXPECT_FALSE(settings_open(PREFS));
    settings_write_float("Diagonale", 15.6f);
    settings_close();
    EXPECT_FALSE(settings_create(PREFS));
    settings_close();
    struct stat status {};
    ASSERT_EQ(lstat(PREFS, &status), 0);
    EXPECT_FALSE(S_ISREG(status.st_mode));
    EXPECT_EQ(entries_in_dir(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Kinds, NotARegularFile,
                         testing::Values(OddFileCase{"directory", [] { mkdir(PREFS, 0755); }},
                                         OddFileCase{"fifo", [] { mkfifo(PREFS, 0644); }}),
                         [](const auto& info) { return std::string(info.param.what); });

using Replacing = ScratchDir;

// A name that is a symbolic link keeps the link; the file it leads to takes the new content.
TEST_F(Replacing, FollowsASymbolicLink) {
    std::filesystem::create_directory("real");
    write_file("real/target", OLD);
    std::filesystem::create_symlink("real/target", PREFS);
    change_diagonal(15.6f);
    EXPECT_TRUE(std::filesystem::is_symlink(PREFS));
    EXPECT_EQ(file_bytes("real/target"), "; von Hand\r\nDiagonale = 15.600000\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("real"), {}), 1);
}

// A rewrite killed after the new content is on disk but before it is swapped in: the old file is
// whole, and the next rewrite goes through.
TEST_F(Replacing, KilledHalfWayLeavesTheOldFileWhole) {
    write_file(PREFS, OLD);
    pid_t pid = fork();
    if (pid == 0) {
        file_before_swap_hook = [] { raise(SIGKILL); };
        change_diagonal(15.6f);
        _exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(file_bytes(PREFS), OLD);

    ASSERT_TRUE(settings_open(PREFS));
    EXPECT_EQ(settings_read_float("Diagonale", 0.0f), 14.0f);
    settings_write_float("Diagonale", 15.6f);
    settings_close();
    EXPECT_EQ(file_bytes(PREFS), "; von Hand\r\nDiagonale = 15.600000\r\n");
    EXPECT_EQ(entries_in_dir(), 1u);
}

// The new file takes the old one's mode, and nothing is left beside it.
TEST_F(Replacing, KeepsThePermissions) {
    write_file(PREFS, OLD);
    ASSERT_EQ(chmod(PREFS, 0640), 0);
    change_diagonal(15.6f);
    struct stat after {};
    ASSERT_EQ(stat(PREFS, &after), 0);
    EXPECT_EQ(after.st_mode & 07777, 0640u);
    EXPECT_EQ(file_bytes(PREFS), "; von Hand\r\nDiagonale = 15.600000\r\n");
    EXPECT_EQ(entries_in_dir(), 1u);
}

} // namespace
