#include "shell/ConfigDialog.h"

#include "resources/SaverDialogs.h"
#include "settings/SettingsAccess.h"
#include "shell/BrowserLaunch.h"
#include "shell/DisplaySettingsDialog.h"
#include "shell/SaverSettings.h"
#include "shell/SoundSettingsDialog.h"

namespace {

constexpr const wchar_t* kPicturePositions[PicturePositionCache::kPositions] = {L"Stretch", L"Fit", L"Fill"};
constexpr int kPictureX = 12, kPictureY = 12;

}  // namespace

ConfigDialog::ConfigDialog(CSaverFramework& saver, SettingsTable& table)
    : saver_(saver), table_(table) {}

INT_PTR ConfigDialog::Show() {
    return DialogBoxParamW(saver_.instance, MAKEINTRESOURCEW(IDD_CONFIG), saver_.commandLineWindow,
                           ConfigDialogThunk, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK ConfigDialog::ConfigDialogThunk(HWND dialog, UINT message, WPARAM wParam,
                                                 LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<ConfigDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->ConfigDialogProc(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR ConfigDialog::ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        dialog_ = dialog;
        Open();
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(dialog, &paint);
        EndPaint(dialog, &paint);
        if (picture_) picture_->DrawOnWindow(dialog, kPictureX, kPictureY);
        return TRUE;
    }
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED) return FALSE;
        switch (LOWORD(wParam)) {
        case IDOK:
            Accept();
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            LoadAllSettings(saver_);
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        case IDC_DISPLAY_SETTINGS:
            ShowDisplaySettingsDialog(saver_, dialog);
            return TRUE;
        case IDC_SOUND_SETTINGS:
            ShowSoundSettingsDialog(saver_.instance, dialog);
            return TRUE;
        case IDC_MORE_SAVERS:
            OpenUrlInBrowser(kMakerWebPage);
            return TRUE;
        }
        return FALSE;
    }
    return FALSE;
}

void ConfigDialog::Open() {
    SetWindowTextW(dialog_, saver_.title);
    SaveAllSettings(saver_, table_);
    HWND positions = GetDlgItem(dialog_, IDC_PICTURE_POSITION);
    for (const wchar_t* name : kPicturePositions)
        SendMessageW(positions, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    table_.MoveToControls(dialog_);
    // The position the player uses: a stored one that names no entry is the default.
    SendMessageW(positions, CB_SETCURSEL, GetPicturePosition(), 0);
    picture_ = std::make_unique<DialogPicture>(saver_.instance, IDR_CONFIG_PICTURE, L"KDV");
}

void ConfigDialog::Accept() {
    table_.ReadFromControls(dialog_);
    const LRESULT selection =
        SendDlgItemMessageW(dialog_, IDC_PICTURE_POSITION, CB_GETCURSEL, 0, 0);
    if (selection >= 0 && selection < static_cast<LRESULT>(PicturePositionCache::kPositions))
        SetPicturePosition(static_cast<DWORD>(selection));
    SaveAllSettings(saver_, table_);
}
