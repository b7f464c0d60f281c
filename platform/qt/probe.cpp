// Test-only reads and inputs of the Qt binding.
#include "platform/probe.h"
#include "platform/qt/binding.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>

namespace {

Colour pixel_of(const QImage* image, int x, int y) {
    if (!image || !image->valid(x, y)) return PROBE_NO_PIXEL;
    const QRgb rgb = image->pixel(x, y);
    return static_cast<Colour>(qRed(rgb)) | static_cast<Colour>(qGreen(rgb)) << 8 |
           static_cast<Colour>(qBlue(rgb)) << 16;
}

Qt::Key key_of(char c) {
    switch (c) {
    case PROBE_KEY_ENTER:
        return Qt::Key_Return;
    case PROBE_KEY_ESCAPE:
        return Qt::Key_Escape;
    case PROBE_KEY_UP:
        return Qt::Key_Up;
    case PROBE_KEY_DOWN:
        return Qt::Key_Down;
    case PROBE_KEY_RIGHT:
        return Qt::Key_Right;
    default:
        break;
    }
    if (c >= 'a' && c <= 'z') return static_cast<Qt::Key>(Qt::Key_A + (c - 'a'));
    if (c >= 'A' && c <= 'Z') return static_cast<Qt::Key>(Qt::Key_A + (c - 'A'));
    if (c >= '0' && c <= '9') return static_cast<Qt::Key>(Qt::Key_0 + (c - '0'));
    if (c == '.') return Qt::Key_Period;
    if (c == ',') return Qt::Key_Comma;
    return Qt::Key_unknown;
}

QObject* key_receiver() {
    if (QWidget* popup = QApplication::activePopupWidget()) return popup;
    if (QWidget* focus = QApplication::focusWidget()) return focus;
    return QApplication::activeModalWidget();
}

void type_key(char c) {
    QObject* receiver = key_receiver();
    if (!receiver) return;
    const Qt::Key key = key_of(c);
    const QString text = static_cast<unsigned char>(c) >= 0x20 ? qt_binding::from_cp1252({&c, 1}) : QString();
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QCoreApplication::sendEvent(receiver, &press);
    if (QObject* still = key_receiver()) QCoreApplication::sendEvent(still, &release);
}

// Pending keys of an earlier generation are dropped.
unsigned typing_generation = 0;

// One key per timer tick, so that a menu or dialog opened by a key is there for the next one.
void type_from(std::string keys, std::size_t next, unsigned generation) {
    if (next >= keys.size() || generation != typing_generation) return;
    type_key(keys[next]);
    QTimer::singleShot(30, qApp,
                       [keys = std::move(keys), next, generation] { type_from(keys, next + 1, generation); });
}

} // namespace

Colour probe_image_pixel(int slot, int x, int y) {
    return pixel_of(qt_binding::slot_image(slot), x, y);
}

int probe_image_width(int slot) {
    const QImage* image = qt_binding::slot_image(slot);
    return image ? image->width() : 0;
}

int probe_image_height(int slot) {
    const QImage* image = qt_binding::slot_image(slot);
    return image ? image->height() : 0;
}

Colour probe_canvas_pixel(int canvas, int x, int y) {
    return pixel_of(qt_binding::canvas_image(canvas), x, y);
}

bool probe_window_shape_contains(int window, int x, int y) {
    const QWidget* widget = qt_binding::window_widget(window);
    if (!widget) return false;
    const QPoint point(x, y);
    return widget->mask().isEmpty() ? widget->rect().contains(point) : widget->mask().contains(point);
}

ProbeRect probe_window_rect(int window) {
    const QWidget* widget = qt_binding::window_widget(window);
    if (!widget) return {0, 0, 0, 0};
    const QRect r = widget->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

bool probe_window_topmost(int window) {
    const QWidget* widget = qt_binding::window_widget(window);
    return widget && widget->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
}

int probe_menu_check(int menu, int item) {
    QMenu* root = qt_binding::popup_menu(menu);
    QAction* action = root ? qt_binding::find_menu_item(root, item) : nullptr;
    return action ? (action->isChecked() ? 1 : 0) : -1;
}

void probe_set_pointer(int x, int y) {
    QCursor::setPos(x, y);
}

void probe_type_later(int delay_ms, std::string_view keys) {
    QTimer::singleShot(delay_ms, qApp, [keys = std::string(keys), generation = typing_generation] {
        type_from(keys, 0, generation);
    });
}

void probe_cancel_typing() {
    ++typing_generation;
}
