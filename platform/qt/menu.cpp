// Popup menus as QMenu trees; a chosen item is queued as an event instead of being returned.
#include "platform/qt/binding.h"

#include <QAction>
#include <QMenu>

#include <map>
#include <memory>
#include <vector>

namespace {

std::map<int, std::unique_ptr<QMenu>> menus;
// The menu being filled, and the menus holding it: the back is the current target.
std::vector<QMenu*> targets;

QMenu* current_target() {
    return targets.empty() ? nullptr : targets.back();
}

QMenu* find_menu(int number) {
    const auto found = menus.find(number);
    return found == menus.end() ? nullptr : found->second.get();
}

} // namespace

namespace qt_binding {

QAction* find_menu_item(QMenu* menu, int item) {
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu()) {
            if (QAction* found = find_menu_item(submenu, item)) return found;
        } else if (!action->isSeparator() && action->data().toInt() == item) {
            return action;
        }
    }
    return nullptr;
}

QMenu* popup_menu(int number) {
    return find_menu(number);
}

void drop_menus() {
    targets.clear();
    menus.clear();
}

} // namespace qt_binding

int create_popup_menu(int number) {
    auto menu = std::make_unique<QMenu>();
    targets.assign(1, menu.get());
    menus[number] = std::move(menu);
    return 1;
}

void open_submenu(std::string_view title) {
    QMenu* target = current_target();
    if (!target) return;
    targets.push_back(target->addMenu(qt_binding::from_cp1252(title)));
}

void add_menu_item(int item, std::string_view text) {
    QMenu* target = current_target();
    if (!target) return;
    QAction* action = target->addAction(qt_binding::from_cp1252(text));
    action->setData(item);
    // Qt flips a checkable item's mark when it is chosen; only set_menu_check may change it here.
    QObject::connect(action, &QAction::triggered, [action, item](bool checked) {
        if (action->isCheckable()) action->setChecked(!checked);
        qt_binding::post_event(EVENT_MENU, item);
    });
}

void add_menu_separator() {
    if (QMenu* target = current_target()) target->addSeparator();
}

void close_submenu() {
    if (targets.size() > 1) targets.pop_back();
}

void set_menu_check(int menu_number, int item, int state) {
    QMenu* menu = find_menu(menu_number);
    QAction* action = menu ? qt_binding::find_menu_item(menu, item) : nullptr;
    if (!action) return;
    // Unchecked items are plain items, so the menu shows no empty check boxes.
    action->setCheckable(state != 0);
    action->setChecked(state != 0);
}

void show_popup_menu(int menu_number, WindowHandle window) {
    QMenu* menu = find_menu(menu_number);
    if (!menu) return;
    if (QWidget* owner = qt_binding::widget_of_handle(window)) {
        owner->raise();
        owner->activateWindow();
    }
    menu->exec(qt_binding::pointer_position() - QPoint(1, 1));
}
