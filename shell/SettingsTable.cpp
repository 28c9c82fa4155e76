#include "shell/SettingsTable.h"

#include <commctrl.h>

#include <cwchar>

#include "settings/SettingsAccess.h"
#include "shell/TextBuffer.h"

namespace {

void SetPlaceholder(SettingItem& item, const wchar_t* name, const wchar_t* text) {
    item.kind = SettingPlaceholder;
    CopyText(item.valueName, 40, name);
    CopyText(item.text, 260, text);
}

}  // namespace

SettingsTable::SettingsTable() {
    SetPlaceholder(items[0], L"Path", L"C://");
    SetPlaceholder(items[1], L"URL1", L"");
    SetPlaceholder(items[2], L"file_path", L"");
}

void SettingsTable::Save(const wchar_t* keyPath) const {
    for (const SettingItem& item : items) {
        switch (item.kind) {
        case SettingCheckBox:
            WriteDwordValue(keyPath, item.valueName, item.value != 0 ? 1 : 0);
            break;
        case SettingTrackbar:
            WriteDwordValue(keyPath, item.valueName, item.value);
            break;
        case SettingText:
        case SettingHiddenText: {
            const DWORD bytes = static_cast<DWORD>((std::wcslen(item.text) + 1) * sizeof(wchar_t));
            ActiveKeyStore().Write(keyPath, item.valueName, REG_SZ, item.text, bytes);
            break;
        }
        default:
            break;
        }
    }
}

void SettingsTable::MoveToControls(HWND dialog) const {
    for (const SettingItem& item : items) {
        switch (item.kind) {
        case SettingCheckBox:
            CheckDlgButton(dialog, item.controlId, item.value != 0 ? BST_CHECKED : BST_UNCHECKED);
            break;
        case SettingText:
            SetDlgItemTextW(dialog, item.controlId, item.text);
            break;
        case SettingTrackbar:
            SendDlgItemMessageW(dialog, item.controlId, TBM_SETPOS, TRUE,
                                static_cast<LPARAM>(item.value) - 1);
            break;
        default:
            break;
        }
    }
}

void SettingsTable::ReadFromControls(HWND dialog) {
    for (SettingItem& item : items) {
        switch (item.kind) {
        case SettingCheckBox:
            item.value = IsDlgButtonChecked(dialog, item.controlId) == BST_CHECKED ? 1 : 0;
            break;
        case SettingText:
            GetDlgItemTextW(dialog, item.controlId, item.text, 260);
            break;
        case SettingTrackbar:
            item.value = static_cast<DWORD>(
                SendDlgItemMessageW(dialog, item.controlId, TBM_GETPOS, 0, 0) + 1);
            break;
        default:
            break;
        }
    }
}
