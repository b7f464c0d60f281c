#include "tests/unit/logic/caliper_test.h"
#include "tests/unit/scratch_dir.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>

void CaliperTest::SetUp() {
    previous_directory = std::filesystem::current_path();
    directory = make_scratch_dir("tastolin-logic-");
    std::filesystem::current_path(directory);
    fake_reset();
    fake_on_script_end(EVENT_MENU, MENU_QUIT);
}

void CaliperTest::TearDown() {
    EXPECT_EQ(fake_script_overruns(), 0) << "the script ran out";
    for (const std::string& violation : fake_violations())
        ADD_FAILURE() << "contract violation: " << violation;
    std::filesystem::current_path(previous_directory);
    std::filesystem::remove_all(directory);
}

void CaliperTest::start(std::string_view diagonal) {
    write_settings_file("Diagonale = " + std::string(diagonal) + "\r\n");
    ASSERT_TRUE(platform_init());
    ASSERT_TRUE(start_up());
}

std::optional<std::string> CaliperTest::settings_file() {
    std::ifstream file(std::string(SETTINGS_NAME), std::ios::binary);
    if (!file) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(file), {});
}

void CaliperTest::write_settings_file(std::string_view content) {
    std::ofstream(std::string(SETTINGS_NAME), std::ios::binary) << content;
}

void CaliperTest::age_settings_file() {
    std::filesystem::last_write_time(SETTINGS_NAME,
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(48));
}

std::filesystem::file_time_type CaliperTest::settings_file_time() {
    return std::filesystem::last_write_time(SETTINGS_NAME);
}

namespace {

bool kept(std::string_view call, std::string_view pattern) {
    if (pattern.find('(') != std::string_view::npos) return call.starts_with(pattern);
    return call.substr(0, call.find('(')) == pattern;
}

} // namespace

std::vector<std::string> calls_of(std::initializer_list<std::string_view> wanted) {
    std::vector<std::string> selected;
    for (const std::string& call : fake_calls())
        if (std::ranges::any_of(wanted, [&](std::string_view pattern) { return kept(call, pattern); }))
            selected.push_back(call);
    return selected;
}

std::vector<std::string> calls_from(std::string_view first) {
    const std::vector<std::string>& calls = fake_calls();
    auto begin =
        std::ranges::find_if(calls, [&](const std::string& call) { return call.starts_with(first); });
    return {begin == calls.end() ? calls.begin() : begin, calls.end()};
}
