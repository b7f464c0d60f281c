// Fonts and drawing with QPainter on an image slot or a drawing surface's off-screen image.
#include "platform/qt/binding.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

std::map<int, std::unique_ptr<QFont>> fonts;

struct Drawing {
    QPainter painter;
    CanvasWidget* canvas = nullptr; // set while the target is a drawing surface
    bool transparent = false;
    QString text; // reused for every text, so the per-frame readout allocates nothing new
};
Drawing* drawing = nullptr;

QColor to_qcolor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

bool known_font(FontHandle handle) {
    for (const auto& [slot, font] : fonts)
        if (reinterpret_cast<FontHandle>(font.get()) == handle) return true;
    return false;
}

int character_height_px(int points) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

// A text cell: the top-left corner at the origin, the baseline one ascent below it.
void draw_cell(const QString& text) {
    QPainter& painter = drawing->painter;
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(QPoint(0, metrics.ascent()), text);
}

} // namespace

namespace qt_binding {

void drop_fonts() {
    fonts.clear();
}

} // namespace qt_binding

FontHandle load_font(int slot, std::string_view face, int points, int flags) {
    free_font(slot);
    const int pixels = character_height_px(points);
    if (face.empty() || pixels <= 0) return 0;
    auto font = std::make_unique<QFont>(qt_binding::from_cp1252(face));
    font->setPixelSize(pixels);
    font->setWeight(QFont::Normal);
    font->setItalic(false);
    font->setUnderline(false);
    font->setStrikeOut(false);
    font->setStyleStrategy(flags == FONT_QUALITY_PROOF ? QFont::PreferQuality : QFont::PreferDefault);
    const auto handle = reinterpret_cast<FontHandle>(font.get());
    fonts[slot] = std::move(font);
    return handle;
}

void free_font(int slot) {
    fonts.erase(slot);
}

bool begin_drawing(DrawTarget target) {
    if (drawing) end_drawing();
    CanvasWidget* canvas =
        target.kind == DrawTarget::CANVAS ? qt_binding::canvas_widget(target.number) : nullptr;
    QImage* image = target.kind == DrawTarget::CANVAS ? qt_binding::canvas_image(target.number)
                                                      : qt_binding::slot_image(target.number);
    if (!image) return false;
    static Drawing state;
    drawing = &state;
    drawing->canvas = canvas;
    drawing->transparent = false;
    QPainter& painter = drawing->painter;
    painter.begin(image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(QGuiApplication::font());
    painter.setPen(Qt::white);
    return true;
}

void end_drawing() {
    if (!drawing) return;
    drawing->painter.end();
    if (drawing->canvas) qt_binding::present_canvas(drawing->canvas);
    drawing = nullptr;
}

void fill_box(int x, int y, int width, int height, Colour colour) {
    if (!drawing || width <= 0 || height <= 0) return;
    drawing->painter.fillRect(QRect(x, y, width, height), to_qcolor(colour));
}

void fill_round_box(int x, int y, int width, int height, int rx, int ry, Colour colour) {
    if (!drawing || width <= 0 || height <= 0) return;
    QPainter& painter = drawing->painter;
    painter.setPen(Qt::NoPen);
    painter.setBrush(to_qcolor(colour));
    painter.drawRoundedRect(QRect(x, y, width, height), std::min(std::max(rx, 0), width / 2),
                            std::min(std::max(ry, 0), height / 2), Qt::AbsoluteSize);
    painter.setBrush(Qt::NoBrush);
}

// A cosmetic pen with square caps sets both end points.
void draw_line(int x1, int y1, int x2, int y2, Colour colour) {
    if (!drawing) return;
    QPen pen(to_qcolor(colour), 0, Qt::SolidLine, Qt::SquareCap);
    pen.setCosmetic(true);
    drawing->painter.setPen(pen);
    drawing->painter.drawLine(x1, y1, x2, y2);
}

void set_font(FontHandle font) {
    if (drawing && known_font(font)) drawing->painter.setFont(*reinterpret_cast<const QFont*>(font));
}

void set_text_transparent() {
    if (drawing) drawing->transparent = true;
}

void draw_text(int x, int y, std::string_view text, Colour colour) {
    if (!drawing) return;
    qt_binding::decode_cp1252(text, drawing->text);
    QPainter& painter = drawing->painter;
    if (!drawing->transparent) {
        const QFontMetrics metrics = painter.fontMetrics();
        painter.fillRect(x, y, metrics.horizontalAdvance(drawing->text), metrics.height(), Qt::black);
    }
    painter.save();
    painter.translate(x, y);
    painter.setPen(to_qcolor(colour));
    draw_cell(drawing->text);
    painter.restore();
}

void draw_text_rotated(int x, int y, std::string_view text, float angle, Colour colour) {
    if (!drawing) return;
    qt_binding::decode_cp1252(text, drawing->text);
    QPainter& painter = drawing->painter;
    painter.save();
    painter.translate(x, y);
    painter.rotate(
        -static_cast<double>(angle)); // Qt turns clockwise on screen, the contract counter-clockwise
    painter.setPen(to_qcolor(colour));
    draw_cell(drawing->text);
    painter.restore();
}

void draw_image(int slot, int x, int y) {
    const QImage* image = qt_binding::slot_image(slot);
    if (drawing && image) drawing->painter.drawImage(x, y, *image);
}
