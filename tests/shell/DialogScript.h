#pragma once
// Drives modal dialogs from inside their own message loops: a thread timer runs one step
// per tick, so each step sees the dialog (or nested dialog, or message box) that is up at
// that moment. Steps that open a nested modal dialog must post their command rather than
// send it. Once the steps are done, any dialog still open is cancelled and noted.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace vgtest {

// The enabled, visible dialog (or message box) of this thread: the topmost modal one.
inline HWND ActiveDialog() {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16] = L"";
            GetClassNameW(window, name, 16);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(window) &&
                IsWindowEnabled(window)) {
                *reinterpret_cast<HWND*>(result) = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

inline std::wstring ControlText(HWND dialog, int id) {
    wchar_t text[512] = L"";
    GetDlgItemTextW(dialog, id, text, 512);
    return text;
}

inline bool Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

inline bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != 0; }

// A click as the user makes it: the button updates its own state and tells the dialog.
inline void Click(HWND dialog, int id) { SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

// A click whose handler runs a modal loop of its own.
inline void PostClick(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void ChooseListItem(HWND dialog, int id, int item) {
    HWND list = GetDlgItem(dialog, id);
    SendMessageW(list, CB_SETCURSEL, item, 0);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
}

inline std::wstring ListItemText(HWND dialog, int id, int item) {
    HWND list = GetDlgItem(dialog, id);
    const LRESULT length = SendMessageW(list, CB_GETLBTEXTLEN, item, 0);
    if (length < 0) return L"<none>";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, CB_GETLBTEXT, item, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

class DialogScript {
public:
    using Step = std::function<void(HWND dialog)>;

    explicit DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 10, Tick);
    }
    ~DialogScript() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    bool Finished() const { return next_ == steps_.size(); }
    // Dialogs that were still open when the steps ran out, and were cancelled.
    int LeftOpen() const { return leftOpen_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        DialogScript* self = current_;
        if (!self) return;
        HWND dialog = ActiveDialog();
        if (!dialog) return;
        if (self->next_ < self->steps_.size()) {
            const size_t step = self->next_++;
            self->steps_[step](dialog);
        } else {
            ++self->leftOpen_;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        }
    }

    static inline DialogScript* current_ = nullptr;
    std::vector<Step> steps_;
    size_t next_ = 0;
    int leftOpen_ = 0;
    UINT_PTR timer_ = 0;
};

}  // namespace vgtest
