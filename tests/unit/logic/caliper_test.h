// The fixture of the logic tests: a reset fake, a fresh working directory, and helpers to read the
// call record.
#pragma once

#include "app/caliper.h"
#include "app/objects.h"
#include "core/caliper_state.h"
#include "platform/fake/fake.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CaliperTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    // platform_init and start_up with a settings file holding `diagonal` (no prompt).
    void start(std::string_view diagonal = "24");
    // The settings file's bytes, or nothing when it does not exist.
    static std::optional<std::string> settings_file();
    static void write_settings_file(std::string_view content);
    // Gives the settings file an old modification time, so that a rewrite shows.
    static void age_settings_file();
    static std::filesystem::file_time_type settings_file_time();

    std::filesystem::path directory;
    std::filesystem::path previous_directory;
};

// The recorded calls kept by `wanted`: a bare name keeps every call of that name, a text with "("
// keeps the calls that begin with it.
std::vector<std::string> calls_of(std::initializer_list<std::string_view> wanted);
// The recorded calls from the first that begins with `first` on (all when none does).
std::vector<std::string> calls_from(std::string_view first);

inline constexpr std::string_view SETTINGS_NAME = "Tastolin.prefs";
