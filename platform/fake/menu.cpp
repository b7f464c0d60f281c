// Popup menus of the fake: a tree of entries per menu number; a shown menu takes the next scripted
// choice and posts it, as the window system does, for a later wait_event.
#include "platform/fake/fake_state.h"

namespace {

using Entries = std::vector<FakeMenuEntry>;

Entries* current_target() {
    auto menu = fake.menus.find(fake.menu_target);
    if (menu == fake.menus.end()) return nullptr;
    Entries* entries = &menu->second;
    for (std::size_t index : fake.submenu_path)
        entries = &(*entries)[index].entries;
    return entries;
}

FakeMenuEntry entry_of(FakeMenuEntry::Kind kind, int item = -1, std::string_view text = {}) {
    FakeMenuEntry entry;
    entry.kind = kind;
    entry.item = item;
    entry.text = text;
    return entry;
}

void append(FakeMenuEntry entry) {
    if (Entries* target = current_target()) target->push_back(std::move(entry));
}

FakeMenuEntry* find_item(Entries& entries, int item) {
    for (FakeMenuEntry& entry : entries) {
        if (entry.kind == FakeMenuEntry::ITEM && entry.item == item) return &entry;
        if (entry.kind == FakeMenuEntry::SUBMENU)
            if (FakeMenuEntry* found = find_item(entry.entries, item)) return found;
    }
    return nullptr;
}

FakeMenuEntry* find_item(int menu, int item) {
    auto found = fake.menus.find(menu);
    return found == fake.menus.end() ? nullptr : find_item(found->second, item);
}

void outline(const Entries& entries, std::string& text) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const FakeMenuEntry& entry = entries[i];
        if (i > 0) text += ", ";
        if (entry.kind == FakeMenuEntry::SEPARATOR) text += '-';
        if (entry.kind == FakeMenuEntry::ITEM)
            text += entry.text + '(' + std::to_string(entry.item) + ')' + (entry.checked ? "*" : "");
        if (entry.kind == FakeMenuEntry::SUBMENU) {
            text += entry.text + '[';
            outline(entry.entries, text);
            text += ']';
        }
    }
}

} // namespace

int create_popup_menu(int number) {
    record("create_popup_menu", number);
    if (fails("create_popup_menu")) return recorded_result(0);
    fake.menus[number] = {};
    fake.menu_target = number;
    fake.submenu_path.clear();
    return recorded_result(1);
}

void open_submenu(std::string_view title) {
    record("open_submenu", title);
    Entries* target = current_target();
    if (!target) return;
    target->push_back(entry_of(FakeMenuEntry::SUBMENU, -1, title));
    fake.submenu_path.push_back(target->size() - 1);
}

void add_menu_item(int item, std::string_view text) {
    record("add_menu_item", item, text);
    append(entry_of(FakeMenuEntry::ITEM, item, text));
}

void add_menu_separator() {
    record("add_menu_separator");
    append(entry_of(FakeMenuEntry::SEPARATOR));
}

void close_submenu() {
    record("close_submenu");
    if (!fake.submenu_path.empty()) fake.submenu_path.pop_back();
}

void set_menu_check(int menu, int item, int state) {
    record("set_menu_check", menu, item, state);
    if (FakeMenuEntry* entry = find_item(menu, item)) entry->checked = state != 0;
}

// The click that closes the menu leaves both buttons up.
void show_popup_menu(int menu, WindowHandle window) {
    record("show_popup_menu", menu, window);
    if (!fake.menus.contains(menu)) return;
    if (window_of_handle(window) < 0) violation("show_popup_menu for a window that does not exist");
    fake.left.down = fake.right.down = false;
    if (fake.menu_choices.empty()) {
        script_overrun("show_popup_menu");
        return;
    }
    const int choice = fake.menu_choices.front();
    fake.menu_choices.pop_front();
    if (choice < 0) return;
    if (!find_item(menu, choice)) {
        violation("menu choice " + std::to_string(choice) + " is not an item of menu " +
                  std::to_string(menu));
        return;
    }
    queue_event(EVENT_MENU, choice);
}

std::string fake_menu_outline(int menu) {
    std::string text;
    auto found = fake.menus.find(menu);
    if (found != fake.menus.end()) outline(found->second, text);
    return text;
}
