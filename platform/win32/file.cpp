// Settings-file access on Windows: share mode "read", so while a handle is open other processes may
// read the file but not write it. Names are Windows-1252 texts, opened through the wide-character
// API so that the system code page never matters.
#include "platform/platform.h"

#include <windows.h>

#include <string>

namespace {

// Windows-1252 differs from ISO-8859-1 only in 80..9F; the five unassigned bytes keep their value,
// as the system's own conversion does.
constexpr wchar_t CP1252_80_9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

std::wstring wide_name(std::string_view name) {
    std::wstring wide;
    for (char c : name) {
        auto byte = static_cast<unsigned char>(c);
        wide.push_back(byte >= 0x80 && byte < 0xA0 ? CP1252_80_9F[byte - 0x80] : wchar_t(byte));
    }
    return wide;
}

// ReplaceFileW wants to know the directory it works in (wine refuses a bare name).
std::wstring full_path(const std::wstring& path) {
    DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    DWORD length = GetFullPathNameW(path.c_str(), size, full.data(), nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

FileHandle handle_of(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? 0 : reinterpret_cast<FileHandle>(handle);
}
HANDLE win_handle(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

HANDLE open_shared(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
    return CreateFileW(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

bool write_all(HANDLE handle, std::string_view content) {
    while (!content.empty()) {
        DWORD chunk = content.size() > 0x40000000 ? 0x40000000 : static_cast<DWORD>(content.size());
        DWORD written = 0;
        if (!WriteFile(handle, content.data(), chunk, &written, nullptr) || written == 0) return false;
        content.remove_prefix(written);
    }
    return true;
}

// The new content in a fresh file beside the old one, flushed to disk.
bool write_beside(const std::wstring& temp, std::string_view content) {
    HANDLE handle = open_shared(temp, GENERIC_WRITE, 0, CREATE_ALWAYS);
    if (handle == INVALID_HANDLE_VALUE) return false;
    bool ok = write_all(handle, content) && FlushFileBuffers(handle);
    return CloseHandle(handle) && ok;
}

} // namespace

FileHandle file_open(std::string_view name, FileAccess access) {
    std::wstring path = wide_name(name);
    if (access == FileAccess::READ_WRITE)
        return handle_of(open_shared(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, OPEN_EXISTING));
    HANDLE handle = open_shared(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    // A writer holds it: reading is allowed all the same, only without keeping writers out.
    if (handle == INVALID_HANDLE_VALUE && GetLastError() == ERROR_SHARING_VIOLATION)
        handle = open_shared(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, OPEN_EXISTING);
    return handle_of(handle);
}

FileHandle file_create(std::string_view name) {
    return handle_of(
        open_shared(wide_name(name), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS));
}

bool file_read_all(FileHandle file, std::string& content) {
    HANDLE handle = win_handle(file);
    content.clear();
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(handle, start, nullptr, FILE_BEGIN)) return false;
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(handle, buffer, sizeof buffer, &got, nullptr)) return false;
        if (got == 0) return true;
        content.append(buffer, got);
    }
}

// The swap needs the file closed first: the replace opens it for deletion, which our share mode
// refuses. ReplaceFileW keeps the old file's attributes and security; a failed swap leaves it whole.
bool file_replace_and_close(FileHandle file, std::string_view name, std::string_view content) {
    std::wstring path = full_path(wide_name(name));
    std::wstring temp = path + L".new~";
    bool written = write_beside(temp, content);
    file_close(file);
    if (written &&
        ReplaceFileW(path.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr))
        return true;
    DeleteFileW(temp.c_str());
    return false;
}

void file_close(FileHandle file) {
    if (file != 0) CloseHandle(win_handle(file));
}
