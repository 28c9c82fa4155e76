#pragma once
// The configuration dialog of Config mode: display and sound settings, the picture
// position, the table of stored controls and the maker's web page. Everything is written
// when it opens and again on OK; Cancel reads the display settings back, dropping what the
// display-settings dialog changed.
#include <windows.h>

#include <memory>

#include "shell/CSaverFramework.h"
#include "shell/DialogPicture.h"
#include "shell/SettingsTable.h"

inline constexpr const wchar_t* kMakerWebPage = L"http://www.larkspire.example/screensavers/";

class ConfigDialog {
public:
    ConfigDialog(CSaverFramework& saver, SettingsTable& table);

    // Modal, owned by the command-line window; 1 for OK, 2 for Cancel.
    INT_PTR Show();

    static INT_PTR CALLBACK ConfigDialogThunk(HWND dialog, UINT message, WPARAM wParam,
                                              LPARAM lParam);
    INT_PTR ConfigDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Window() const { return dialog_; }
    const DialogPicture* Picture() const { return picture_.get(); }

private:
    void Open();
    void Accept();

    CSaverFramework& saver_;
    SettingsTable& table_;
    HWND dialog_ = nullptr;
    std::unique_ptr<DialogPicture> picture_;
};
