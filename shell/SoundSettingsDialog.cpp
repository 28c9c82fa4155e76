#include "shell/SoundSettingsDialog.h"

#include <commctrl.h>

#include "resources/SaverDialogs.h"
#include "settings/SettingsAccess.h"
#include "shell/CSaverFramework.h"

namespace {

constexpr DWORD kMaxVolume = 100;

struct SoundSettings {
    DWORD volume = 100;
    DWORD balance = 50;
    DWORD mute = 0;
};
SoundSettings theSoundSettings;

void ShowSettings(HWND dialog) {
    ReadSettingDword(&theSoundSettings.volume, kSoundVolumeValue);
    ReadSettingDword(&theSoundSettings.balance, kSoundBalanceValue);
    ReadSettingDword(&theSoundSettings.mute, kMuteSoundValue);
    if (theSoundSettings.volume > kMaxVolume) theSoundSettings.volume = kMaxVolume;
    HWND trackbar = GetDlgItem(dialog, IDC_VOLUME);
    SendMessageW(trackbar, TBM_SETRANGE, TRUE, MAKELPARAM(0, kMaxVolume));
    SendMessageW(trackbar, TBM_SETTICFREQ, 10, 0);
    SendMessageW(trackbar, TBM_SETPOS, TRUE, static_cast<LPARAM>(kMaxVolume - theSoundSettings.volume));
    CheckDlgButton(dialog, IDC_MUTE, theSoundSettings.mute != 0 ? BST_CHECKED : BST_UNCHECKED);
}

void StoreSettings(HWND dialog) {
    LRESULT position = SendDlgItemMessageW(dialog, IDC_VOLUME, TBM_GETPOS, 0, 0);
    if (position < 0) position = 0;
    if (position > static_cast<LRESULT>(kMaxVolume)) position = kMaxVolume;
    theSoundSettings.volume = kMaxVolume - static_cast<DWORD>(position);
    theSoundSettings.mute = IsDlgButtonChecked(dialog, IDC_MUTE) == BST_CHECKED ? 1 : 0;
    WriteSettingDword(theSoundSettings.volume, kSoundVolumeValue);
    WriteSettingDword(theSoundSettings.balance, kSoundBalanceValue);
    WriteSettingDword(theSoundSettings.mute, kMuteSoundValue);
}

}  // namespace

INT_PTR SoundSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        ShowSettings(dialog);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            StoreSettings(dialog);
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK SoundDialogThunk(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return TheSaver ? TheSaver->SoundDialogProc(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR ShowSoundSettingsDialog(HINSTANCE module, HWND owner) {
    return DialogBoxParamW(module, MAKEINTRESOURCEW(IDD_SOUND), owner, SoundDialogThunk, 0);
}
