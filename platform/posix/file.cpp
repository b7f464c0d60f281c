// Settings-file access on POSIX systems. "Others may read but not write" is an advisory flock(2):
// a writer holds an exclusive lock, a reader a shared one when it can get it, so a second writer
// (another instance, another open file description) is refused and falls back to reading.
#include "platform/platform.h"
#include "platform/posix/file_testing.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

void (*file_before_swap_hook)() = nullptr;

namespace {

// Descriptor 0 is a valid descriptor but 0 means "no file" to the caller.
FileHandle handle_of(int fd) {
    return fd < 0 ? 0 : static_cast<FileHandle>(fd) + 1;
}
int fd_of(FileHandle file) {
    return static_cast<int>(file - 1);
}

int open_retrying(const std::string& path, int flags, mode_t mode = 0) {
    int fd;
    do
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

// Only a regular file is a settings file: a directory cannot be read, a FIFO or a device could
// block or never end. O_NONBLOCK keeps a FIFO from stalling the open itself.
int open_regular(const std::string& path, int flags, mode_t mode = 0) {
    int fd = open_retrying(path, flags | O_NONBLOCK, mode);
    struct stat status;
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool lock(int fd, int kind) {
    int result;
    do
        result = ::flock(fd, kind | LOCK_NB);
    while (result < 0 && errno == EINTR);
    return result == 0;
}

// Opens for writing only under the exclusive lock; anything else is a refused access.
int open_locked_for_writing(const std::string& path, int flags) {
    int fd = open_regular(path, O_RDWR | flags, 0666);
    if (fd >= 0 && !lock(fd, LOCK_EX)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool write_all(int fd, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string directory_of(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The held file is replaced only while its name still leads to it and it may still be written:
// a file removed, swapped for another or made read-only since it was opened is left alone.
bool may_replace(int fd, const std::string& path, struct stat& held) {
    struct stat named;
    if (::fstat(fd, &held) != 0 || ::stat(path.c_str(), &named) != 0) return false;
    if (held.st_dev != named.st_dev || held.st_ino != named.st_ino) return false;
    return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// The new content in a fresh file beside the old one, with the old one's permissions, on disk.
bool write_beside(const std::string& temp, std::string_view content, mode_t mode) {
    int fd = open_retrying(temp, O_WRONLY | O_CREAT | O_EXCL, 0600);
    if (fd < 0) return false;
    bool ok = write_all(fd, content) && ::fchmod(fd, mode & 07777) == 0 && ::fsync(fd) == 0;
    return ::close(fd) == 0 && ok;
}

void sync_directory(const std::string& path) {
    int fd = open_retrying(directory_of(path), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// The file a name leads to, through any symbolic links, so that a link stays a link.
std::string resolved(const std::string& path) {
    char* real = ::realpath(path.c_str(), nullptr);
    if (real == nullptr) return {};
    std::string result(real);
    std::free(real);
    return result;
}

bool replace(int fd, const std::string& name, std::string_view content) {
    std::string path = resolved(name);
    struct stat held;
    if (path.empty() || !may_replace(fd, path, held)) return false;
    std::string temp = path + ".new~";
    ::unlink(temp.c_str());
    if (!write_beside(temp, content, held.st_mode)) {
        ::unlink(temp.c_str());
        return false;
    }
    if (file_before_swap_hook != nullptr) file_before_swap_hook();
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    sync_directory(path);
    return true;
}

} // namespace

FileHandle file_open(std::string_view name, FileAccess access) {
    std::string path(name);
    if (access == FileAccess::READ_WRITE) return handle_of(open_locked_for_writing(path, 0));
    int fd = open_regular(path, O_RDONLY);
    // A writer may hold it; reading is allowed all the same, only without keeping writers out.
    if (fd >= 0) lock(fd, LOCK_SH);
    return handle_of(fd);
}

FileHandle file_create(std::string_view name) {
    // Emptied only once the lock is held: a file another writer holds keeps its content.
    int fd = open_locked_for_writing(std::string(name), O_CREAT);
    if (fd >= 0 && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        fd = -1;
    }
    return handle_of(fd);
}

bool file_read_all(FileHandle file, std::string& content) {
    int fd = fd_of(file);
    content.clear();
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        ssize_t got = ::pread(fd, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        content.append(buffer, static_cast<std::size_t>(got));
        offset += got;
    }
}

bool file_replace_and_close(FileHandle file, std::string_view name, std::string_view content) {
    bool replaced = replace(fd_of(file), std::string(name), content);
    file_close(file);
    return replaced;
}

void file_close(FileHandle file) {
    if (file != 0) ::close(fd_of(file));
}
