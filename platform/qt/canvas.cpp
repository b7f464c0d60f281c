// The drawing surface: a child widget showing an off-screen image and reporting pointer activity.
#include "platform/qt/binding.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cstring>
#include <map>

class CanvasWidget : public QWidget {
  public:
    CanvasWidget(int number, QWidget* parent) : QWidget(parent), number_(number) {
        setFocusPolicy(Qt::NoFocus);
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_NoSystemBackground);
    }

    QImage image;     // what the logic draws on
    QImage presented; // what the screen was last asked to show

    // A fresh white image of the new size, the old one copied to its top-left corner.
    void make_image(int width, int height) {
        QImage fresh(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
        fresh.fill(Qt::white);
        if (!image.isNull()) {
            QPainter painter(&fresh);
            painter.drawImage(0, 0, image);
        }
        image = fresh;
        presented = QImage(fresh.size(), QImage::Format_RGB32);
        presented.fill(Qt::white);
    }

    // The continuous redraw mostly repeats the last frame; only real changes reach the screen.
    void present() {
        const auto bytes = static_cast<std::size_t>(image.sizeInBytes());
        const uchar* drawn = image.constBits();
        if (std::memcmp(drawn, presented.constBits(), bytes) == 0) return;
        std::memcpy(presented.bits(), drawn, bytes);
        update();
    }

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.drawImage(event->rect(), presented, event->rect());
    }
    void enterEvent(QEnterEvent*) override { report(); }
    void leaveEvent(QEvent*) override { report(); }
    void mouseMoveEvent(QMouseEvent*) override { report(); }
    void mousePressEvent(QMouseEvent* event) override {
        qt_binding::note_button_press(event->button());
        report();
    }
    void mouseReleaseEvent(QMouseEvent*) override { report(); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { mousePressEvent(event); }
    void wheelEvent(QWheelEvent*) override { report(); }

  private:
    void report() { qt_binding::post_event(EVENT_CANVAS, number_); }
    int number_;
};

namespace {

std::map<int, CanvasWidget*> canvases;

int keep_or(int value, int current) {
    return value == KEEP ? current : value;
}

} // namespace

namespace qt_binding {

CanvasWidget* canvas_widget(int number) {
    const auto found = canvases.find(number);
    return found == canvases.end() ? nullptr : found->second;
}

QImage* canvas_image(int number) {
    CanvasWidget* canvas = canvas_widget(number);
    return canvas ? &canvas->image : nullptr;
}

void present_canvas(CanvasWidget* canvas) {
    canvas->present();
}

void forget_canvases_of(QWidget* window) {
    std::erase_if(canvases, [window](const auto& entry) { return entry.second->parentWidget() == window; });
}

} // namespace qt_binding

void create_canvas(int number, int x, int y, int width, int height) {
    QWidget* window = qt_binding::last_opened_window();
    if (!window || qt_binding::canvas_widget(number)) return;
    auto* canvas = new CanvasWidget(number, window);
    canvases[number] = canvas;
    canvas->show();
    resize_canvas(number, x, y, width, height);
}

void resize_canvas(int number, int x, int y, int width, int height) {
    CanvasWidget* canvas = qt_binding::canvas_widget(number);
    if (!canvas) return;
    const QRect now = canvas->geometry();
    const QSize size(std::max(keep_or(width, now.width()), 1), std::max(keep_or(height, now.height()), 1));
    canvas->setGeometry(QRect(QPoint(keep_or(x, now.x()), keep_or(y, now.y())), size));
    canvas->make_image(size.width(), size.height());
    canvas->present();
    canvas->update();
}

int canvas_width(int number) {
    CanvasWidget* canvas = qt_binding::canvas_widget(number);
    return canvas ? canvas->image.width() : 0;
}

int canvas_height(int number) {
    CanvasWidget* canvas = qt_binding::canvas_widget(number);
    return canvas ? canvas->image.height() : 0;
}
