// Events and input of the fake: the binding's own queue, the script that stands in for the window
// system's messages, the polled buttons and the desktop size.
#include "platform/fake/fake_state.h"

#include <algorithm>

namespace {

FakeButton& state_of(MouseButton button) {
    return button == MouseButton::LEFT ? fake.left : fake.right;
}

FakeEvent canvas_event_or_none(int canvas) {
    return canvas >= 0 ? FakeEvent{EVENT_CANVAS, canvas} : FakeEvent{EVENT_NONE, 0};
}

FakeEvent next_event() {
    if (!fake.queue.empty()) {
        const FakeEvent event = fake.queue.front();
        fake.queue.pop_front();
        return event;
    }
    if (!fake.script.empty()) {
        const std::function<FakeEvent()> step = std::move(fake.script.front());
        fake.script.pop_front();
        return step();
    }
    script_overrun("wait_event");
    return fake.script_end;
}

} // namespace

void queue_event(int kind, int number) {
    fake.queue.push_back({kind, number});
}

int wait_event(int timeout_ms) {
    record("wait_event", timeout_ms);
    const FakeEvent event = next_event();
    fake.event_number = event.number;
    return recorded_result(event.kind);
}

int event_menu_item() {
    record("event_menu_item");
    return recorded_result(fake.event_number);
}

int event_gadget() {
    record("event_gadget");
    return recorded_result(fake.event_number);
}

int event_timer() {
    record("event_timer");
    return recorded_result(fake.event_number);
}

bool button_pressed(MouseButton button) {
    record("button_pressed", button);
    FakeButton& state = state_of(button);
    const bool pressed = state.down || state.pressed_since_query;
    state.pressed_since_query = false;
    return recorded_result(pressed);
}

// The window system's move loop ends when the left button goes up.
void begin_window_move(WindowHandle window) {
    record("begin_window_move", window);
    fake.left.down = false;
}

DesktopSize desktop_size() {
    record("desktop_size");
    return fake.desktop;
}

void fake_set_desktop_size(int width, int height) {
    fake.desktop = {width, height};
}

void fake_set_button(MouseButton button, bool down) {
    FakeButton& state = state_of(button);
    state.down = down;
    if (down) state.pressed_since_query = true;
}

void fake_step_idle() {
    fake.script.emplace_back([] { return FakeEvent{EVENT_NONE, 0}; });
}

void fake_step_pointer(int window, int x, int y) {
    fake.script.emplace_back([=] {
        const int before = canvas_under_pointer();
        fake_set_pointer(window, x, y);
        const int after = canvas_under_pointer();
        if (before >= 0 && after >= 0 && before != after) queue_event(EVENT_CANVAS, after);
        return canvas_event_or_none(before >= 0 ? before : after);
    });
}

void fake_step_press(MouseButton button) {
    fake.script.emplace_back([=] {
        fake_set_button(button, true);
        return canvas_event_or_none(canvas_under_pointer());
    });
}

void fake_step_release(MouseButton button) {
    fake.script.emplace_back([=] {
        fake_set_button(button, false);
        return canvas_event_or_none(canvas_under_pointer());
    });
}

void fake_step_timer(int window, int timer) {
    fake.script.emplace_back([=] {
        const FakeWindow* owner = open_fake_window(window);
        const bool runs = owner && std::ranges::find(owner->timers, timer) != owner->timers.end();
        return runs ? FakeEvent{EVENT_TIMER, timer} : FakeEvent{EVENT_NONE, 0};
    });
}

void fake_step_event(int kind, int number) {
    fake.script.emplace_back([=] { return FakeEvent{kind, number}; });
}

void fake_on_script_end(int kind, int number) {
    fake.script_end = {kind, number};
}

void fake_script_menu_choice(int item) {
    fake.menu_choices.push_back(item);
}

void fake_script_prompt_answer(std::string answer) {
    fake.prompt_answers.push_back(std::move(answer));
}

int fake_script_overruns() {
    return fake.overruns;
}
