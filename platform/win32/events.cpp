// The event wait over the thread's message queue, the binding's own event queue, polled buttons,
// the window-move hand-over and the desktop size.
#include "platform/win32/binding.h"

#include <algorithm>
#include <chrono>
#include <deque>

namespace {

struct Event {
    int kind;
    int number;
    bool operator==(const Event&) const = default;
};

std::deque<Event> queue;
int latest_number = 0;

int take_event() {
    Event event = queue.front();
    queue.pop_front();
    latest_number = event.number;
    return event.kind;
}

// Dispatches every waiting message until one of them has queued an event; false once none is left.
bool dispatch_until_event() {
    MSG message;
    while (queue.empty() && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return !queue.empty();
}

} // namespace

void queue_event(int kind, int number) {
    Event event{kind, number};
    bool repeatable = kind == EVENT_MENU;
    if (!repeatable && std::find(queue.begin(), queue.end(), event) != queue.end()) return;
    queue.push_back(event);
}

// The tick count moves in steps of up to 16 ms, too coarse for a 5 ms wait; the steady clock is not.
int wait_event(int timeout_ms) {
    using namespace std::chrono;
    auto deadline = steady_clock::now() + milliseconds(std::max(timeout_ms, 0));
    while (!dispatch_until_event()) {
        auto left = ceil<milliseconds>(deadline - steady_clock::now()).count();
        if (left <= 0) return EVENT_NONE;
        MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(left), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return take_event();
}

int event_menu_item() {
    return latest_number;
}
int event_gadget() {
    return latest_number;
}
int event_timer() {
    return latest_number;
}

bool button_pressed(MouseButton button) {
    return GetAsyncKeyState(button == MouseButton::LEFT ? VK_LBUTTON : VK_RBUTTON) != 0;
}

void begin_window_move(WindowHandle window) {
    ReleaseCapture();
    SendMessageW(reinterpret_cast<HWND>(window), WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

DesktopSize desktop_size() {
    HDC desktop = GetDC(GetDesktopWindow());
    DesktopSize size{GetDeviceCaps(desktop, HORZRES), GetDeviceCaps(desktop, VERTRES)};
    ReleaseDC(GetDesktopWindow(), desktop);
    return size;
}
