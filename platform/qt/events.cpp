// The binding's event queue, the event wait, polled buttons, the window move and the desktop size.
#include "platform/qt/binding.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <array>
#include <deque>
#include <optional>

namespace {

struct Event {
    int kind;
    int number;
};

std::deque<Event> queue;
int current_number = 0;

// A press seen by a widget since the last poll of that button, so short clicks are not lost.
std::array<bool, 2> pressed_since_poll{};

// Fires every 5 ms for the whole run: the event wait sleeps in Qt's own dispatcher and this tick is
// what ends a pass that brings no event, keeping the loop at a steady 200 passes per second.
QTimer* pass_tick = nullptr;
bool tick_seen = false;

constexpr int pass_ms = 5;

void ensure_pass_tick() {
    if (pass_tick) return;
    pass_tick = new QTimer(qApp);
    pass_tick->setTimerType(Qt::PreciseTimer);
    QObject::connect(pass_tick, &QTimer::timeout, [] { tick_seen = true; });
    QObject::connect(qApp, &QObject::destroyed, [] { pass_tick = nullptr; });
    pass_tick->start(pass_ms);
}

int take_event() {
    const Event event = queue.front();
    queue.pop_front();
    current_number = event.number;
    return event.kind;
}

int button_index(MouseButton button) {
    return button == MouseButton::LEFT ? 0 : 1;
}

// The loop asks for both buttons on every pass; one round trip to the X server answers both, and the
// next pass asks afresh.
std::optional<qt_binding::PointerReading> buttons_this_pass;

bool button_down_now(MouseButton button) {
    if (!buttons_this_pass) buttons_this_pass = qt_binding::x11_query_buttons();
    const qt_binding::PointerReading& reading = *buttons_this_pass;
    if (reading.valid) return button == MouseButton::LEFT ? reading.left : reading.right;
    const Qt::MouseButtons buttons = QGuiApplication::mouseButtons();
    return buttons.testFlag(button == MouseButton::LEFT ? Qt::LeftButton : Qt::RightButton);
}

// The binding's own move loop: the window keeps its offset from the polled pointer until release.
void follow_pointer(QWidget* window) {
    const QPoint grab = qt_binding::pointer_position() - window->pos();
    while (button_down_now(MouseButton::LEFT)) {
        window->move(qt_binding::pointer_position() - grab);
        qt_binding::pump_one_pass();
    }
}

} // namespace

namespace qt_binding {

// Pointer and timer reports repeat what the loop re-reads anyway, so an unread repeat is dropped
// and the queue cannot grow while a modal phase holds the loop.
void post_event(int kind, int number) {
    const bool repeat = !queue.empty() && queue.back().kind == kind && queue.back().number == number;
    if (repeat && kind != EVENT_MENU) return;
    queue.push_back({kind, number});
}

void note_button_press(Qt::MouseButton button) {
    if (button == Qt::LeftButton) pressed_since_poll[0] = true;
    if (button == Qt::RightButton) pressed_since_poll[1] = true;
}

void pump_one_pass() {
    buttons_this_pass.reset();
    ensure_pass_tick();
    tick_seen = false;
    while (!tick_seen)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace qt_binding

int wait_event(int timeout_ms) {
    buttons_this_pass.reset();
    if (!queue.empty()) return take_event();
    ensure_pass_tick();
    QElapsedTimer waited;
    waited.start();
    tick_seen = false;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    // Waiting ends at the pass tick after which another tick would overrun the time-out.
    while (queue.empty() && timeout_ms > 0 && !(tick_seen && waited.elapsed() + pass_ms > timeout_ms)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        if (waited.elapsed() >= timeout_ms) break;
    }
    return queue.empty() ? EVENT_NONE : take_event();
}

int event_menu_item() {
    return current_number;
}
int event_gadget() {
    return current_number;
}
int event_timer() {
    return current_number;
}

// A press shorter than one pass that happens entirely over a cut-out part of the window is not seen.
bool button_pressed(MouseButton button) {
    bool& latched = pressed_since_poll[static_cast<std::size_t>(button_index(button))];
    const bool pressed = button_down_now(button) || latched;
    latched = false;
    return pressed;
}

// On X11 the binding moves the window itself, following the polled pointer: a move handed to the
// window manager needs the pointer grab that Qt's own input handling still holds for the press, so
// the manager's move fails now and then. Window systems where a program cannot place its windows
// get the move handed over.
void begin_window_move(WindowHandle handle) {
    QWidget* window = qt_binding::widget_of_handle(handle);
    pressed_since_poll[0] = false;
    // A click already over must not leave a window manager's move running without a button held.
    if (!window || !button_down_now(MouseButton::LEFT)) return;
    QWindow* native = window->windowHandle();
    const QString platform = QGuiApplication::platformName();
    const bool placeable = platform == "xcb" || platform == "offscreen";
    if (!placeable && native && native->startSystemMove()) {
        while (button_down_now(MouseButton::LEFT))
            qt_binding::pump_one_pass();
    } else {
        follow_pointer(window);
    }
}

DesktopSize desktop_size() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {0, 0};
    const QSize size = screen->size() * screen->devicePixelRatio();
    return {size.width(), size.height()};
}
