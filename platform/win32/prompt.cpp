// The modal one-line text prompt: a dialog from an in-memory template, its controls placed in pixels.
#include "platform/win32/binding.h"

#include <array>
#include <vector>

namespace {

constexpr int LABEL_ID = 100;
constexpr int EDIT_ID = 101;
constexpr int DIALOG_WIDTH = 300;
constexpr int DIALOG_HEIGHT = 130;

struct Prompt {
    std::wstring title;
    std::wstring message;
    std::wstring text; // the default on the way in, the answer on the way out
    std::vector<HWND> disabled;
};

// A title bar without system menu or close box; no controls, which are made in pixels rather than
// in dialog units. The three zero words end the template: no menu, the standard class, no title.
struct alignas(4) DialogTemplate {
    std::array<WORD, 12> words{};
};

DialogTemplate dialog_template() {
    DWORD style = DS_MODALFRAME | DS_SETFOREGROUND | WS_POPUP | WS_CAPTION;
    DialogTemplate dialog;
    dialog.words[0] = LOWORD(style);
    dialog.words[1] = HIWORD(style);
    return dialog;
}

BOOL CALLBACK disable_if_enabled(HWND window, LPARAM disabled) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        reinterpret_cast<std::vector<HWND>*>(disabled)->push_back(window);
    }
    return TRUE;
}

HWND foreground_window_of_program() {
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

HWND add_control(HWND dialog, DWORD extended_style, const wchar_t* type, const std::wstring& text,
                 DWORD style, RECT box, int id) {
    HWND control = CreateWindowExW(
        extended_style, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top, box.right,
        box.bottom, dialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), module_instance(), nullptr);
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    return control;
}

// Boxes are (x, y, width, height) in the dialog's inner coordinates.
BOOL on_init(HWND dialog, Prompt& prompt) {
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(&prompt));
    SetWindowTextW(dialog, prompt.title.c_str());
    SetWindowPos(dialog, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2 - DIALOG_WIDTH / 2,
                 GetSystemMetrics(SM_CYSCREEN) / 2 - DIALOG_HEIGHT / 2, DIALOG_WIDTH, DIALOG_HEIGHT,
                 SWP_NOZORDER);
    add_control(dialog, 0, L"STATIC", prompt.message, SS_LEFTNOWORDWRAP | SS_NOPREFIX, {10, 10, 280, 22},
                LABEL_ID);
    HWND edit = add_control(dialog, WS_EX_CLIENTEDGE, L"EDIT", prompt.text, WS_TABSTOP | ES_AUTOHSCROLL,
                            {10, 32, 275, 21}, EDIT_ID);
    add_control(dialog, 0, L"BUTTON", L"OK", WS_TABSTOP | BS_DEFPUSHBUTTON, {110, 67, 80, 25}, IDOK);
    auto end = static_cast<WPARAM>(prompt.text.size());
    SendMessageW(edit, EM_SETSEL, end, static_cast<LPARAM>(end));
    SetFocus(edit);
    return FALSE; // the focus is set already
}

std::wstring edit_text(HWND dialog) {
    HWND edit = GetDlgItem(dialog, EDIT_ID);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The other windows come back before the dialog goes, so that the activation returns to them.
BOOL finish(HWND dialog, std::wstring answer) {
    auto* prompt = reinterpret_cast<Prompt*>(GetWindowLongPtrW(dialog, DWLP_USER));
    prompt->text = std::move(answer);
    for (HWND window : prompt->disabled)
        EnableWindow(window, TRUE);
    EndDialog(dialog, 0);
    return TRUE;
}

BOOL on_command(HWND dialog, WPARAM wparam) {
    if (LOWORD(wparam) == IDOK) return finish(dialog, edit_text(dialog));
    if (LOWORD(wparam) == IDCANCEL) return finish(dialog, L"");
    return FALSE;
}

INT_PTR CALLBACK prompt_procedure(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        return on_init(dialog, *reinterpret_cast<Prompt*>(lparam));
    case WM_COMMAND:
        return on_command(dialog, wparam);
    case WM_CLOSE:
        return finish(dialog, L"");
    default:
        return FALSE;
    }
}

} // namespace

std::string prompt_text(std::string_view title, std::string_view message, std::string_view default_text) {
    Prompt prompt{to_wide(title), to_wide(message), to_wide(default_text), {}};
    HWND owner = foreground_window_of_program();
    EnumThreadWindows(GetCurrentThreadId(), disable_if_enabled, reinterpret_cast<LPARAM>(&prompt.disabled));
    DialogTemplate dialog = dialog_template();
    if (DialogBoxIndirectParamW(module_instance(), reinterpret_cast<const DLGTEMPLATE*>(dialog.words.data()),
                                owner, prompt_procedure, reinterpret_cast<LPARAM>(&prompt)) == -1) {
        for (HWND window : prompt.disabled)
            EnableWindow(window, TRUE);
        return {};
    }
    return from_wide(prompt.text);
}
