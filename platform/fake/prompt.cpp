// The text prompt of the fake: answers come from the script, and every prompt shown is kept.
#include "platform/fake/fake_state.h"

std::string prompt_text(std::string_view title, std::string_view message, std::string_view default_text) {
    record("prompt_text", title, message, default_text);
    fake.prompts.push_back({std::string(title), std::string(message), std::string(default_text)});
    if (fake.prompt_answers.empty()) {
        script_overrun("prompt_text");
        return recorded_result(std::string());
    }
    std::string answer = std::move(fake.prompt_answers.front());
    fake.prompt_answers.pop_front();
    return recorded_result(std::move(answer));
}
