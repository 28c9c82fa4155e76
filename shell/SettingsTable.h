#pragma once
// The configuration dialog's table of stored controls: each item names a control and a
// value under the saver's key. Check boxes and trackbars are stored as DWORDs, texts as
// strings; items of any other kind are neither stored nor shown.
#include <windows.h>

enum SettingKind : int {
    SettingCheckBox = 0,    // checked when the value is not 0
    SettingText = 1,
    SettingPlaceholder = 2,  // neither stored nor shown
    SettingHiddenText = 3,   // stored, not shown
    SettingTrackbar = 4,     // trackbar position = value - 1
};

struct SettingItem {
    int kind = SettingPlaceholder;
    DWORD value = 0;
    wchar_t text[260] = L"";
    int controlId = 0;
    wchar_t valueName[40] = L"";
};

class SettingsTable {
public:
    static constexpr int kItemCount = 3;

    // The saver's table: three placeholders, so saving and transfers change nothing.
    SettingsTable();

    void Save(const wchar_t* keyPath) const;
    void MoveToControls(HWND dialog) const;
    void ReadFromControls(HWND dialog);

    SettingItem items[kItemCount];
};
