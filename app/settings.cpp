// The settings store. One document at a time: the file's lines as entries in file order, written back
// whole (every group, comment and key kept) when a value was changed.
#include "app/settings.h"
#include "core/number_text.h"

#include "platform/platform.h"

#include <charconv>
#include <cmath>
#include <cstddef>
#include <string>
#include <vector>

namespace {

enum class EntryKind { GROUP, COMMENT, KEY };

struct Entry {
    EntryKind kind;
    std::string name; // group name, comment text or key name
    std::string value;
};

struct SettingsDocument {
    // A document exists after a successful open or create, and after an open that failed.
    bool active = false;
    FileHandle file = 0;
    // Opened for reading only, or its content could not be read: never written back.
    bool read_only = false;
    bool utf8 = false;
    bool changed = false;
    // Also kept after a failed open, so that close can still create the file.
    std::string name;
    std::vector<Entry> entries;
};

SettingsDocument document;

constexpr std::string_view BYTE_ORDER_MARK = "\xEF\xBB\xBF";
constexpr std::string_view LINE_END = "\r\n";
constexpr std::size_t MAX_VALUE_TEXT = 39;

// ---- Reading the file ----------------------------------------------------------------------------

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}
bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}

std::string_view skip_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    return text;
}

std::string_view trim_trailing_blanks(std::string_view text) {
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

Entry parse_comment(std::string_view rest) {
    if (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    return {EntryKind::COMMENT, std::string(rest), {}};
}

Entry parse_group(std::string_view rest) {
    std::size_t close = rest.find(']');
    return {EntryKind::GROUP, std::string(rest.substr(0, close)), {}};
}

Entry parse_key(std::string_view line) {
    std::size_t equals = line.find('=');
    std::string_view name = trim_trailing_blanks(line.substr(0, equals));
    std::string_view value = equals == std::string_view::npos ? "" : skip_blanks(line.substr(equals + 1));
    return {EntryKind::KEY, std::string(name), std::string(value)};
}

void add_line(std::string_view line) {
    line = skip_blanks(line);
    if (line.empty()) return;
    if (line.front() == ';')
        document.entries.push_back(parse_comment(line.substr(1)));
    else if (line.front() == '[')
        document.entries.push_back(parse_group(line.substr(1)));
    else
        document.entries.push_back(parse_key(line));
}

void read_entries(std::string_view text) {
    while (!text.empty()) {
        std::size_t end = 0;
        while (end < text.size() && !is_line_end(text[end]))
            ++end;
        add_line(text.substr(0, end));
        while (end < text.size() && is_line_end(text[end]))
            ++end;
        text.remove_prefix(end);
    }
}

void read_document(std::string_view content) {
    if (content.size() >= BYTE_ORDER_MARK.size() && content.starts_with(BYTE_ORDER_MARK)) {
        document.utf8 = true;
        content.remove_prefix(BYTE_ORDER_MARK.size());
    }
    read_entries(content);
}

// ---- Writing the file ----------------------------------------------------------------------------

std::string written_form() {
    std::string out;
    if (document.utf8) out.append(BYTE_ORDER_MARK).append(LINE_END);
    for (const Entry& entry : document.entries) {
        switch (entry.kind) {
        case EntryKind::GROUP:
            out.append("[").append(entry.name).append("]");
            break;
        case EntryKind::COMMENT:
            out.append("; ").append(entry.name);
            break;
        case EntryKind::KEY:
            out.append(entry.name).append(" = ").append(entry.value);
            break;
        }
        out.append(LINE_END);
    }
    return out;
}

// A document whose open failed has no file yet; it gets one now, created if still missing.
FileHandle file_for_rewrite() {
    if (document.file != 0) return document.file;
    FileHandle file = file_open(document.name, FileAccess::READ_WRITE);
    return file != 0 ? file : file_create(document.name);
}

void write_back() {
    FileHandle file = file_for_rewrite();
    document.file = 0;
    if (file != 0) file_replace_and_close(file, document.name, written_form());
}

// ---- Key search ----------------------------------------------------------------------------------

char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool names_match(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    return true;
}

std::string latin1_to_utf8(std::string_view text) {
    std::string out;
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out.push_back(c);
        } else {
            out.push_back(static_cast<char>(0xC0 | (byte >> 6)));
            out.push_back(static_cast<char>(0x80 | (byte & 0x3F)));
        }
    }
    return out;
}

// The caller's key name as it is spelt in this document's encoding.
std::string document_key_name(std::string_view key) {
    return document.utf8 ? latin1_to_utf8(key) : std::string(key);
}

// Index of the first group header, or the number of entries when there is none: the ungrouped part
// of the document is everything before it.
std::size_t ungrouped_end() {
    std::size_t i = 0;
    while (i < document.entries.size() && document.entries[i].kind != EntryKind::GROUP)
        ++i;
    return i;
}

Entry* find_key(std::string_view name) {
    std::size_t end = ungrouped_end();
    for (std::size_t i = 0; i < end; ++i) {
        Entry& entry = document.entries[i];
        if (entry.kind == EntryKind::KEY && names_match(entry.name, name)) return &entry;
    }
    return nullptr;
}

// ---- Value texts ---------------------------------------------------------------------------------

// Infinities, NaN and magnitudes too large for six decimals in 39 characters take the shortest
// text that reads back as the same float.
std::string value_text(float value) {
    if (std::isfinite(value)) {
        std::string text = fixed_text(value, 6); // "%f"
        if (text.size() <= MAX_VALUE_TEXT) return text;
    }
    char buffer[MAX_VALUE_TEXT];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

void end_document() {
    if (document.file != 0) file_close(document.file);
    document = SettingsDocument{};
}

} // namespace

bool settings_open(std::string_view name) {
    settings_close();
    document.active = true;
    document.name = name;
    document.file = file_open(name, FileAccess::READ_WRITE);
    if (document.file == 0) {
        document.file = file_open(name, FileAccess::READ_ONLY);
        if (document.file == 0) return false;
        document.read_only = true;
    }
    // Rewriting a document whose content was never read would throw that content away.
    std::string content;
    if (file_read_all(document.file, content))
        read_document(content);
    else
        document.read_only = true;
    return true;
}

bool settings_create(std::string_view name) {
    settings_close();
    document.file = file_create(name);
    if (document.file == 0) return false;
    document.active = true;
    document.name = name;
    return true;
}

float settings_read_float(std::string_view key, float default_value) {
    const Entry* entry = find_key(document_key_name(key));
    return entry != nullptr ? static_cast<float>(leading_decimal(entry->value, DecimalWords::WITH_INF_NAN))
                            : default_value;
}

void settings_write_float(std::string_view key, float value) {
    if (!document.active) return;
    std::string name = document_key_name(key);
    Entry* entry = find_key(name);
    if (entry != nullptr) {
        entry->name = name;
        entry->value = value_text(value);
    } else {
        auto at = document.entries.begin() + static_cast<std::ptrdiff_t>(ungrouped_end());
        document.entries.insert(at, Entry{EntryKind::KEY, name, value_text(value)});
    }
    document.changed = true;
}

void settings_close() {
    if (document.changed && !document.read_only) write_back();
    end_document();
}
