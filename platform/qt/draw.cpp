// Fonts and drawing with QPainter on an image slot or a drawing surface's off-screen image.
#include "platform/qt/binding.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

std::map<int, std::unique_ptr<QFont>> fonts;
// Changes with every font loaded or freed, so that a recorded block never outlives its fonts.
unsigned fonts_generation = 0;

// A drawing block is recorded and carried out at its end. The continuous redraw mostly repeats the
// previous block on the same target, unchanged, over the same images: such a block is skipped when
// carrying it out once more could not change a pixel.
struct Op {
    enum Kind { FILL_BOX, ROUND_BOX, LINE, FONT, TRANSPARENT, TEXT, TURNED_TEXT, IMAGE } kind = FILL_BOX;
    int a = 0, b = 0, c = 0, d = 0, e = 0, f = 0; // coordinates and sizes, or the image slot in c
    Colour colour = 0;
    float angle = 0.0f; // TURNED_TEXT
    FontHandle font = 0;
    qint64 image_key = 0; // IMAGE: the copied image's contents
    std::string text;
    bool operator==(const Op&) const = default;
};

struct Block {
    bool open = false;
    DrawTarget target{DrawTarget::IMAGE, 0};
    std::vector<Op> ops;
};
Block block;

// The block carried out last on each target, and the target's contents right after it.
struct Recorded {
    std::vector<Op> ops;
    qint64 key = 0;
    unsigned fonts = 0;
    bool stable = false;
};
std::map<std::pair<int, int>, Recorded> recorded;

// One painter, reused, so that a frame allocates nothing new; the text buffer likewise.
QPainter painter;
QString text_buffer;

QImage* target_image(DrawTarget target) {
    return target.kind == DrawTarget::CANVAS ? qt_binding::canvas_image(target.number)
                                             : qt_binding::slot_image(target.number);
}

Op& record(Op::Kind kind, int a = 0, int b = 0, int c = 0, int d = 0, int e = 0, int f = 0,
           Colour colour = 0) {
    Op& op = block.ops.emplace_back();
    op.kind = kind;
    op.a = a, op.b = b, op.c = c, op.d = d, op.e = e, op.f = f;
    op.colour = colour;
    return op;
}

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

// ---- Carrying a block out ------------------------------------------------------------------------

struct TextState {
    bool transparent = false;
};

// The cell's top-left corner at (x, y), turned about it; the baseline one ascent below the corner.
QTransform cell_transform(const Op& op) {
    QTransform transform;
    transform.translate(op.a, op.b);
    if (op.kind == Op::TURNED_TEXT) transform.rotate(-static_cast<double>(op.angle)); // Qt turns clockwise
    return transform;
}

// Opaque upright text first fills its cell black; turned text never has a background.
void carry_out_text(const Op& op, TextState& state) {
    qt_binding::decode_cp1252(op.text, text_buffer);
    const QFontMetrics metrics = painter.fontMetrics();
    if (op.kind == Op::TEXT && !state.transparent)
        painter.fillRect(op.a, op.b, metrics.horizontalAdvance(text_buffer), metrics.height(), Qt::black);
    painter.save();
    painter.setTransform(cell_transform(op));
    painter.setPen(to_qcolor(op.colour));
    painter.drawText(QPoint(0, metrics.ascent()), text_buffer);
    painter.restore();
}

void carry_out_op(const Op& op, TextState& state) {
    switch (op.kind) {
    case Op::FILL_BOX:
        painter.fillRect(QRect(op.a, op.b, op.c, op.d), to_qcolor(op.colour));
        break;
    case Op::ROUND_BOX:
        painter.setPen(Qt::NoPen);
        painter.setBrush(to_qcolor(op.colour));
        painter.drawRoundedRect(QRect(op.a, op.b, op.c, op.d), std::min(std::max(op.e, 0), op.c / 2),
                                std::min(std::max(op.f, 0), op.d / 2), Qt::AbsoluteSize);
        painter.setBrush(Qt::NoBrush);
        break;
    case Op::LINE: {
        // A cosmetic pen with square caps sets both end points.
        QPen pen(to_qcolor(op.colour), 0, Qt::SolidLine, Qt::SquareCap);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawLine(op.a, op.b, op.c, op.d);
        break;
    }
    case Op::FONT:
        painter.setFont(*reinterpret_cast<const QFont*>(op.font));
        break;
    case Op::TRANSPARENT:
        state.transparent = true;
        break;
    case Op::TEXT:
    case Op::TURNED_TEXT:
        carry_out_text(op, state);
        break;
    case Op::IMAGE:
        if (const QImage* image = qt_binding::slot_image(op.c)) painter.drawImage(op.a, op.b, *image);
        break;
    }
}

// A fresh drawing state: text opaque on black, white, in the system's default font.
void carry_out(QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setFont(QGuiApplication::font());
    painter.setPen(Qt::white);
    TextState state;
    for (const Op& op : block.ops)
        carry_out_op(op, state);
    painter.end();
}

// ---- Whether a block may be skipped when it repeats -----------------------------------------------

bool copies_target(const Op& op) {
    return op.kind == Op::IMAGE && block.target.kind == DrawTarget::IMAGE && block.target.number == op.c;
}

bool has_text(const Op& op) {
    return op.kind == Op::TEXT || op.kind == Op::TURNED_TEXT;
}

// Boxes, lines and image copies set their pixels whatever was there before, so carrying such a block
// out again changes nothing. Text blends its glyphs' edges into what lies below, which may differ the
// second time, so a block with text is known to repeat exactly only once a repeat has left its
// target as it was. A copy of the target onto itself shifts with every repeat.
bool repeats_without_trial() {
    return std::none_of(block.ops.begin(), block.ops.end(), has_text);
}

// Carries a repeated block out and tells whether that left the target as it was.
bool carry_out_trial(QImage& image) {
    static QImage before;
    if (before.size() != image.size() || before.format() != image.format())
        before = QImage(image.size(), image.format());
    std::memcpy(before.bits(), image.constBits(), static_cast<std::size_t>(image.sizeInBytes()));
    carry_out(image);
    return before == image;
}

// Carries the block out; true when a repeat of it on the result may be skipped.
bool carry_out_block(QImage& image, bool repeat) {
    if (std::any_of(block.ops.begin(), block.ops.end(), copies_target)) {
        carry_out(image);
        return false;
    }
    if (repeat) return carry_out_trial(image);
    carry_out(image);
    return repeats_without_trial();
}

} // namespace

namespace qt_binding {

void drop_fonts() {
    fonts.clear();
    ++fonts_generation;
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
    ++fonts_generation;
    return handle;
}

void free_font(int slot) {
    if (fonts.erase(slot)) ++fonts_generation;
}

bool begin_drawing(DrawTarget target) {
    end_drawing();
    if (!target_image(target)) return false;
    block.target = target;
    block.open = true;
    block.ops.clear();
    return true;
}

void end_drawing() {
    if (!block.open) return;
    block.open = false;
    QImage* image = target_image(block.target);
    if (!image) return;
    Recorded& last = recorded[{block.target.kind, block.target.number}];
    const bool repeat =
        last.fonts == fonts_generation && last.key == image->cacheKey() && last.ops == block.ops;
    if (repeat && last.stable) return;
    last.stable = carry_out_block(*image, repeat);
    std::swap(last.ops, block.ops);
    last.fonts = fonts_generation;
    image->bits(); // a new key, so that blocks copying this image see the change
    last.key = image->cacheKey();
    if (block.target.kind == DrawTarget::CANVAS)
        qt_binding::present_canvas(qt_binding::canvas_widget(block.target.number));
}

void fill_box(int x, int y, int width, int height, Colour colour) {
    if (block.open && width > 0 && height > 0) record(Op::FILL_BOX, x, y, width, height, 0, 0, colour);
}

void fill_round_box(int x, int y, int width, int height, int rx, int ry, Colour colour) {
    if (block.open && width > 0 && height > 0) record(Op::ROUND_BOX, x, y, width, height, rx, ry, colour);
}

void draw_line(int x1, int y1, int x2, int y2, Colour colour) {
    if (block.open) record(Op::LINE, x1, y1, x2, y2, 0, 0, colour);
}

void set_font(FontHandle font) {
    if (block.open && known_font(font)) record(Op::FONT).font = font;
}

void set_text_transparent() {
    if (block.open) record(Op::TRANSPARENT);
}

void draw_text(int x, int y, std::string_view text, Colour colour) {
    if (block.open) record(Op::TEXT, x, y, 0, 0, 0, 0, colour).text.assign(text);
}

void draw_text_rotated(int x, int y, std::string_view text, float angle, Colour colour) {
    if (!block.open) return;
    Op& op = record(Op::TURNED_TEXT, x, y, 0, 0, 0, 0, colour);
    op.angle = angle;
    op.text.assign(text);
}

void draw_image(int slot, int x, int y) {
    const QImage* image = qt_binding::slot_image(slot);
    if (block.open && image) record(Op::IMAGE, x, y, slot).image_key = image->cacheKey();
}
