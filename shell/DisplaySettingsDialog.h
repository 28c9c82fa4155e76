#pragma once
// The display-settings dialog: one monitor (200) or a tab per monitor record (201). It
// changes the adapter records and "AllScreensSame" in memory only; Cancel puts back what
// they were when the dialog opened.
#include <windows.h>

#include <vector>

#include "shell/CSaverFramework.h"

// String-table entries for the rendering status and the help text of a monitor.
UINT RenderingStatusTextId(const AdapterRecord* adapter);
UINT DisplayHelpTextId(const MonitorRecord& monitor, const AdapterRecord* adapter);
// Bits per pixel as the mode list names them: 32 for the 24- and 32-bit formats, else 16.
int ModeListBitDepth(D3DFORMAT format);

class DisplaySettingsDialog {
public:
    explicit DisplaySettingsDialog(CSaverFramework& saver);

    // Dialog 201 with two or more adapters unless one screen only, else dialog 200.
    // Runs modally; 1 for OK, 2 for Cancel.
    INT_PTR Show(HWND parent);
    static UINT TemplateFor(const CSaverFramework& saver);

    static INT_PTR CALLBACK DisplaySettingsDialogThunk(HWND dialog, UINT message,
                                                       WPARAM wParam, LPARAM lParam);
    INT_PTR DisplaySettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    // The monitor record the page shows; -1 when there is none.
    int SelectedMonitor() const;
    void RefreshMonitorPage();
    HWND Window() const { return dialog_; }

private:
    void InsertTabs();
    void FillModeList(const AdapterRecord* adapter);
    void EnableModeControls();
    void ShowHelp();
    void TakeModeSelection();
    void KeepCopies();
    void RestoreCopies();

    CSaverFramework& saver_;
    HWND dialog_ = nullptr;
    std::vector<AdapterRecord> savedAdapters_;
    DWORD savedAllScreensSame_ = 0;
};

// Runs the dialog for the framework; the entry of the configuration dialog's button.
INT_PTR ShowDisplaySettingsDialog(CSaverFramework& saver, HWND parent);
