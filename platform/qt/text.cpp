// Windows-1252, the encoding of every text the caliper logic hands over, to and from QString.
#include "platform/qt/binding.h"

#include <array>

namespace {

// 0x80..0x9F; the five bytes Windows leaves undefined map to the C1 control of the same value.
constexpr std::array<char16_t, 32> high_controls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t decode_byte(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return high_controls[byte - 0x80];
    return byte;
}

char encode_unit(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < high_controls.size(); ++i)
        if (high_controls[i] == unit) return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

namespace qt_binding {

void decode_cp1252(std::string_view bytes, QString& out) {
    out.resize(static_cast<qsizetype>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out[static_cast<qsizetype>(i)] = QChar(decode_byte(static_cast<unsigned char>(bytes[i])));
}

QString from_cp1252(std::string_view bytes) {
    QString text;
    decode_cp1252(bytes, text);
    return text;
}

std::string to_cp1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text)
        bytes += encode_unit(c.unicode());
    return bytes;
}

} // namespace qt_binding
