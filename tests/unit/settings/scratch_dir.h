// A fresh temporary directory as the current working directory for each test, since the store
// opens its file by plain name.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>

#include "app/settings.h"

inline constexpr const char* PREFS = "Tastolin.prefs";

class ScratchDir : public testing::Test {
  protected:
    void SetUp() override {
        previous = std::filesystem::current_path();
        std::string pattern = (std::filesystem::temp_directory_path() / "tastolin-settings-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir = pattern;
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
