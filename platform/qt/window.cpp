// Start-up of Qt and the top-level windows: placement, timers, the always-on-top layer, the pointer.
#include "platform/qt/binding.h"

#include "assets/assets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QIcon>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>

namespace {

// The close request goes to the caliper logic as an event; only close_window closes the window.
class CaliperWindow : public QWidget {
  public:
    explicit CaliperWindow(int number) : number_(number) {}
    std::map<int, QTimer*> timers;

  protected:
    void closeEvent(QCloseEvent* event) override {
        event->ignore();
        qt_binding::post_event(EVENT_CLOSE, number_);
    }

  private:
    int number_;
};

std::unique_ptr<QApplication> application;
std::map<int, CaliperWindow*> windows;
QPointer<QWidget> last_window;

// Measurements need one window pixel to be one screen pixel, so Qt must not scale; a Wayland
// session is served through XWayland, since windows there cannot place or shape themselves.
void prepare_environment() {
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    qunsetenv("QT_SCALE_FACTOR");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// Qt aborts the process when its platform cannot start, so an unreachable X display is caught first.
bool display_available() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb")) return true;
    if (qt_binding::x11_display_reachable()) return true;
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        std::fprintf(stderr, "tastolin: no display to show the caliper on: DISPLAY is not set\n");
    else
        std::fprintf(stderr, "tastolin: cannot connect to the X display \"%s\"\n", display.constData());
    return false;
}

QIcon program_icon() {
    const auto png = icon_png();
    return QIcon(QPixmap::fromImage(QImage::fromData(png.data(), static_cast<int>(png.size()), "PNG")));
}

QRect centred_rect(int width, int height) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    width = std::min(width, screen.width());
    height = std::min(height, screen.height());
    return {screen.x() + (screen.width() - width) / 2, screen.y() + (screen.height() - height) / 2, width,
            height};
}

CaliperWindow* find_window(int number) {
    const auto found = windows.find(number);
    return found == windows.end() ? nullptr : found->second;
}

int keep_or(int value, int current) {
    return value == KEEP ? current : value;
}

} // namespace

namespace qt_binding {

QWidget* window_widget(int number) {
    return find_window(number);
}

QWidget* widget_of_handle(WindowHandle handle) {
    for (const auto& [number, window] : windows)
        if (window_handle(number) == handle) return window;
    return nullptr;
}

QWidget* last_opened_window() {
    return last_window;
}

} // namespace qt_binding

bool platform_init() {
    if (application) return true;
    prepare_environment();
    if (!display_available()) return false;
    static int argc = 1;
    static char name[] = "tastolin";
    static char* argv[] = {name, nullptr};
    application = std::make_unique<QApplication>(argc, argv);
    QGuiApplication::setDesktopFileName("tastolin");
    QApplication::setQuitOnLastWindowClosed(false);
    return true;
}

void platform_shutdown() {
    while (!windows.empty())
        close_window(windows.begin()->first);
    qt_binding::drop_menus();
    qt_binding::drop_fonts();
    application.reset();
}

int open_window(int number, int x, int y, int width, int height, std::string_view title, int flags) {
    if (find_window(number) || width <= 0 || height <= 0) return 0;
    auto* window = new CaliperWindow(number);
    Qt::WindowFlags window_flags = Qt::Window;
    if (flags & WINDOW_BORDERLESS) window_flags |= Qt::FramelessWindowHint;
    window->setWindowFlags(window_flags);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowTitle(qt_binding::from_cp1252(title));
    window->setWindowIcon(program_icon());
    window->setCursor(Qt::ArrowCursor);
    window->setGeometry((flags & WINDOW_CENTRED) ? centred_rect(width, height) : QRect(x, y, width, height));
    windows[number] = window;
    last_window = window;
    qt_binding::x11_use_default_colormap(window->winId());
    window->show();
    window->raise();
    window->activateWindow();
    return 1;
}

void close_window(int number) {
    CaliperWindow* window = find_window(number);
    if (!window) return;
    windows.erase(number);
    qt_binding::forget_canvases_of(window);
    delete window;
}

void resize_window(int number, int x, int y, int width, int height) {
    CaliperWindow* window = find_window(number);
    if (!window) return;
    const QRect now = window->geometry();
    window->setGeometry(keep_or(x, now.x()), keep_or(y, now.y()), keep_or(width, now.width()),
                        keep_or(height, now.height()));
}

void add_timer(int window_number, int timer, int period_ms) {
    CaliperWindow* window = find_window(window_number);
    if (!window) return;
    QTimer*& entry = window->timers[timer];
    if (!entry) {
        entry = new QTimer(window);
        entry->setTimerType(Qt::PreciseTimer);
        QObject::connect(entry, &QTimer::timeout, [timer] { qt_binding::post_event(EVENT_TIMER, timer); });
    }
    entry->start(std::max(period_ms, 1));
}

// Changing the flags through QWidget would hide and re-map the window; the native window takes the
// new layer in place.
void set_topmost(int window_number, int state) {
    CaliperWindow* window = find_window(window_number);
    if (!window) return;
    Qt::WindowFlags flags = window->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, state != 0);
    window->overrideWindowFlags(flags);
    if (QWindow* native = window->windowHandle()) native->setFlags(flags);
}

namespace {

// The pointer relative to the window, or (-1, -1) outside its inner rectangle.
QPoint pointer_in_window(int number) {
    CaliperWindow* window = find_window(number);
    if (!window) return {-1, -1};
    const qt_binding::PointerReading reading = qt_binding::x11_query_pointer(window->winId());
    const QPoint p = reading.valid ? reading.position : window->mapFromGlobal(QCursor::pos());
    return window->rect().contains(p) ? p : QPoint(-1, -1);
}

} // namespace

int window_mouse_x(int window) {
    return pointer_in_window(window).x();
}
int window_mouse_y(int window) {
    return pointer_in_window(window).y();
}

WindowHandle window_handle(int number) {
    CaliperWindow* window = find_window(number);
    return window ? static_cast<WindowHandle>(window->winId()) : 0;
}

namespace qt_binding {

QPoint pointer_position() {
    const PointerReading reading = x11_query_pointer(0);
    return reading.valid ? reading.position : QCursor::pos();
}

} // namespace qt_binding
