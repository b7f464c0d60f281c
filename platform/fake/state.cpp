// The fake's one state record, its reset, the call record and the lifecycle operations.
#include "platform/fake/fake_state.h"

#include <cstdio>

FakeState fake;

bool fails(std::string_view operation) {
    return fake.failing.contains(operation);
}

void script_overrun(std::string_view operation) {
    if (fake.overruns++ == 0)
        std::fprintf(stderr, "fake binding: %.*s found the script used up\n",
                     static_cast<int>(operation.size()), operation.data());
}

void violation(std::string what) {
    fake.violations.push_back(std::move(what));
}

bool size_fits(std::string_view operation, int width, int height, bool keep_allowed) {
    auto fits = [keep_allowed](int side) {
        return (keep_allowed && side == KEEP) || (side >= 1 && side <= 32767);
    };
    if (fits(width) && fits(height)) return true;
    violation(std::string(operation) + " with a size of " + std::to_string(width) + " x " +
              std::to_string(height));
    return false;
}

std::string call_argument(int value) {
    return value == KEEP ? "KEEP" : std::to_string(value);
}

std::string call_argument(Hex colour) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(colour.value));
    return text;
}

std::string call_argument(std::uintptr_t handle) {
    return std::to_string(handle);
}

std::string call_argument(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

std::string call_argument(std::string_view text) {
    return std::string(text);
}

std::string call_argument(MouseButton button) {
    return button == MouseButton::LEFT ? "LEFT" : "RIGHT";
}

std::string call_argument(DrawTarget target) {
    return (target.kind == DrawTarget::IMAGE ? "image " : "canvas ") + std::to_string(target.number);
}

void fake_reset() {
    fake = FakeState{};
}

void fake_fail(std::string_view operation) {
    fake.failing.emplace(operation);
}

const std::vector<std::string>& fake_calls() {
    return fake.calls;
}
const std::vector<FakeText>& fake_texts() {
    return fake.texts;
}
const std::vector<FakePrompt>& fake_prompts() {
    return fake.prompts;
}
const std::vector<std::string>& fake_violations() {
    return fake.violations;
}

void fake_clear_records() {
    fake.calls.clear();
    fake.texts.clear();
    fake.prompts.clear();
}

void fake_set_recording(bool on) {
    fake.recording = on;
}

bool platform_init() {
    record("platform_init");
    return recorded_result(!fails("platform_init"));
}

void platform_shutdown() {
    record("platform_shutdown");
}
