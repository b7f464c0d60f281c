// A fresh, empty directory under the system's temporary directory, for tests that work on files
// by plain name in the current working directory.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <string_view>

inline std::filesystem::path make_scratch_dir(std::string_view prefix) {
    std::random_device random;
    std::filesystem::path dir;
    do
        dir = std::filesystem::temp_directory_path() / (std::string(prefix) + std::to_string(random()));
    while (!std::filesystem::create_directory(dir));
    return dir;
}
