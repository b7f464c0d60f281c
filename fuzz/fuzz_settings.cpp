// The settings store on arbitrary file content: opening and closing unchanged leaves the bytes as
// they were; a written key reads back; every other key reads as before the rewrite; and a second
// rewrite of the same value gives the same bytes as the first.
#include "app/settings.h"

#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

// In memory where the system offers it: every rewrite syncs to disk, which would set the pace.
std::filesystem::path scratch_root() {
    std::error_code error;
    if (std::filesystem::is_directory("/dev/shm", error)) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

const std::string& file_name() {
    static const std::string name = [] {
        std::string pattern = (scratch_root() / "fuzz-settings-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        static std::string directory = pattern;
        std::atexit([] { std::filesystem::remove_all(directory); });
        return pattern + "/Tastolin.prefs";
    }();
    return name;
}

void put(const std::string& bytes) {
    std::ofstream(file_name(), std::ios::binary | std::ios::trunc) << bytes;
}

std::string get() {
    std::ifstream in(file_name(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void check(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "fuzz_settings: %s\n", what);
    std::abort();
}

bool is_written_key(std::string_view name) {
    constexpr std::string_view KEY = "diagonale";
    if (name.size() != KEY.size()) return false;
    for (std::size_t i = 0; i < KEY.size(); ++i)
        if ((name[i] | 0x20) != KEY[i]) return false;
    return true;
}

// Candidate key names: each line's text before "=", as a hand-made file would spell them.
std::vector<std::string> candidate_keys(std::string_view text) {
    std::vector<std::string> keys = {"", "X", "Farbe"};
    std::size_t start = 0;
    while (start < text.size() && keys.size() < 24) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        line.remove_prefix(std::min(line.find_first_not_of(" \t"), line.size()));
        line = line.substr(0, line.find('='));
        line = line.substr(0, line.find_last_not_of(" \t") + 1);
        if (!is_written_key(line)) keys.emplace_back(line);
        start = end + 1;
    }
    return keys;
}

std::vector<std::uint32_t> read_all(const std::vector<std::string>& keys) {
    std::vector<std::uint32_t> values;
    for (const std::string& key : keys)
        values.push_back(std::bit_cast<std::uint32_t>(settings_read_float(key, -7.0f)));
    return values;
}

// The value text has six decimals, so a value comes back within a millionth, or exactly.
bool reads_back(float written, float read) {
    if (std::isnan(written)) return std::isnan(read);
    return read == written || std::fabs(static_cast<double>(read) - written) <= 1e-6;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    float value = 15.6f;
    if (size >= 4) std::memcpy(&value, data, 4);
    std::vector<std::string> keys = candidate_keys(input);

    put(input);
    check(settings_open(file_name()), "an existing file did not open");
    std::vector<std::uint32_t> before = read_all(keys);
    settings_close();
    check(get() == input, "an unchanged document changed the file");

    check(settings_open(file_name()), "an existing file did not open");
    settings_write_float("Diagonale", value);
    settings_close();
    const std::string first = get();

    check(settings_open(file_name()), "the rewritten file did not open");
    // A first key spelt with the three bytes of a byte-order mark (after blanks or blank lines, which
    // the rewrite drops) turns into a byte-order mark, and the file is read in UTF-8 mode from then on.
    if (first.starts_with("\xEF\xBB\xBF") && !input.starts_with("\xEF\xBB\xBF")) {
        settings_close();
        return 0;
    }
    check(reads_back(value, settings_read_float("Diagonale", -7.0f)), "the written value did not read back");
    check(read_all(keys) == before, "a rewrite changed another key");
    settings_write_float("Diagonale", value);
    settings_close();
    check(get() == first, "rewriting the same value changed the file");
    return 0;
}
