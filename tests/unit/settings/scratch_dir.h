// A fresh temporary directory as the current working directory for each test, since the store
// opens its file by plain name.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "app/settings.h"
#include "tests/unit/scratch_dir.h"

inline constexpr const char* PREFS = "Tastolin.prefs";

class ScratchDir : public testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        dir = make_scratch_dir("tastolin-settings-");
        std::filesystem::current_path(dir);
    }
    void TearDown() override {
        settings_close();
        std::filesystem::current_path(previous);
        std::filesystem::remove_all(dir);
    }

    std::filesystem::path previous;
    std::filesystem::path dir;
};

inline void write_file(const std::string& name, const std::string& bytes) {
    std::ofstream(name, std::ios::binary | std::ios::trunc) << bytes;
}

// The file's bytes, nothing when it does not exist.
inline std::optional<std::string> file_bytes(const std::string& name) {
    std::ifstream in(name, std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

// The diagonal command's sequence: open, or create when that fails; write; close.
inline void change_diagonal(float value) {
    if (!settings_open(PREFS)) settings_create(PREFS);
    settings_write_float("Diagonale", value);
    settings_close();
}

inline std::size_t entries_in_dir() {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator("."), {}));
}
