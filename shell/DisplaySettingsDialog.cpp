#include "shell/DisplaySettingsDialog.h"

#include <commctrl.h>

#include <cwchar>
#include <initializer_list>

#include "resources/SaverDialogs.h"
#include "shell/SaverSettings.h"
#include "shell/TextBuffer.h"

namespace {

constexpr int kLabelCapacity = 128;

// The pattern with each "%d" replaced by the next number; everything else is copied as it
// stands, so a pattern is never handed to a formatting function.
void FillNumbers(const wchar_t* pattern, std::initializer_list<int> numbers, wchar_t* text,
                 size_t capacity) {
    text[0] = L'\0';
    const int* next = numbers.begin();
    for (const wchar_t* p = pattern; *p; ++p) {
        if (p[0] == L'%' && p[1] == L'd' && next != numbers.end()) {
            wchar_t number[16];
            std::swprintf(number, 16, L"%d", *next++);
            AppendText(text, capacity, number);
            ++p;
        } else {
            const wchar_t single[2] = {*p, L'\0'};
            AppendText(text, capacity, single);
        }
    }
}

const DeviceTypeRecord* ChosenDeviceType(const AdapterRecord* adapter) {
    if (!adapter || adapter->chosenDeviceType >= adapter->deviceTypeCount) return nullptr;
    return &adapter->deviceTypes[adapter->chosenDeviceType];
}

void EnableControl(HWND dialog, int id, bool enable) {
    if (HWND control = GetDlgItem(dialog, id)) EnableWindow(control, enable ? TRUE : FALSE);
}

}  // namespace

UINT RenderingStatusTextId(const AdapterRecord* adapter) {
    if (adapter && adapter->halPresent && adapter->halUsable && !adapter->disableHardware)
        return IDS_STATUS_HARDWARE;
    if (adapter && adapter->swPresent && adapter->swUsable) return IDS_STATUS_SOFTWARE;
    return IDS_STATUS_NONE;
}

UINT DisplayHelpTextId(const MonitorRecord& monitor, const AdapterRecord* adapter) {
    if (!monitor.monitor || !adapter) return IDS_HELP_NO_RENDERER;
    const bool softwareUsable = adapter->swPresent && adapter->swUsable;
    if (adapter->halPresent && adapter->disableHardware) {
        if (!adapter->swPresent) return IDS_HELP_DISABLED_NO_SOFTWARE;
        return softwareUsable ? IDS_HELP_DISABLED_SOFTWARE : IDS_HELP_DISABLED_SOFTWARE_LACKS;
    }
    if (adapter->halPresent) {
        if (adapter->halUsable) return IDS_HELP_HARDWARE;
        if (!adapter->swPresent) return IDS_HELP_HARDWARE_LACKS_NO_SOFTWARE;
        return softwareUsable ? IDS_HELP_HARDWARE_LACKS_SOFTWARE : IDS_HELP_HARDWARE_LACKS_BOTH;
    }
    if (!adapter->swPresent) return IDS_HELP_NO_RENDERER;
    return softwareUsable ? IDS_HELP_SOFTWARE : IDS_HELP_SOFTWARE_LACKS;
}

int ModeListBitDepth(D3DFORMAT format) {
    return format == D3DFMT_R8G8B8 || format == D3DFMT_A8R8G8B8 || format == D3DFMT_X8R8G8B8
               ? 32
               : 16;
}

DisplaySettingsDialog::DisplaySettingsDialog(CSaverFramework& saver) : saver_(saver) {}

UINT DisplaySettingsDialog::TemplateFor(const CSaverFramework& saver) {
    return saver.adapterCount < 2 || saver.oneScreenOnly ? IDD_DISPLAY_ONE_MONITOR
                                                         : IDD_DISPLAY_MONITORS;
}

INT_PTR DisplaySettingsDialog::Show(HWND parent) {
    return DialogBoxParamW(saver_.instance, MAKEINTRESOURCEW(TemplateFor(saver_)), parent,
                           DisplaySettingsDialogThunk, reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK DisplaySettingsDialog::DisplaySettingsDialogThunk(HWND dialog, UINT message,
                                                                   WPARAM wParam,
                                                                   LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    auto* self = reinterpret_cast<DisplaySettingsDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    return self ? self->DisplaySettingsDialogProc(dialog, message, wParam, lParam) : FALSE;
}

INT_PTR DisplaySettingsDialog::DisplaySettingsDialogProc(HWND dialog, UINT message,
                                                         WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        dialog_ = dialog;
        InsertTabs();
        KeepCopies();
        RefreshMonitorPage();
        CheckDlgButton(dialog, IDC_ALL_SCREENS_SAME,
                       saver_.allScreensSame != 0 ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case WM_NOTIFY: {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header && header->idFrom == IDC_MONITOR_TABS && header->code == TCN_SELCHANGE)
            RefreshMonitorPage();
        return FALSE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        const int monitor = SelectedMonitor();
        AdapterRecord* adapter =
            monitor >= 0 ? AdapterOfMonitor(saver_, static_cast<UINT>(monitor)) : nullptr;
        switch (id) {
        case IDC_DISPLAY_HELP:
            if (code == BN_CLICKED) ShowHelp();
            return TRUE;
        case IDC_DISABLE_HARDWARE:
            if (code == BN_CLICKED && adapter) {
                adapter->disableHardware =
                    IsDlgButtonChecked(dialog, IDC_DISABLE_HARDWARE) == BST_CHECKED;
                RefreshMonitorPage();
            }
            return TRUE;
        case IDC_USE_MONITOR:
        case IDC_LEAVE_BLACK:
            if (code == BN_CLICKED) {
                if (adapter)
                    adapter->leaveBlack = IsDlgButtonChecked(dialog, IDC_LEAVE_BLACK) == BST_CHECKED;
                EnableModeControls();
            }
            return TRUE;
        case IDC_MODE_LIST:
            if (code == CBN_SELCHANGE) TakeModeSelection();
            return TRUE;
        case IDC_ALL_SCREENS_SAME:
            if (code == BN_CLICKED)
                saver_.allScreensSame =
                    IsDlgButtonChecked(dialog, IDC_ALL_SCREENS_SAME) == BST_CHECKED ? 1 : 0;
            return TRUE;
        case IDOK:
            savedAdapters_.clear();
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:
            RestoreCopies();
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        return FALSE;
    }
    }
    return FALSE;
}

void DisplaySettingsDialog::InsertTabs() {
    HWND tabs = GetDlgItem(dialog_, IDC_MONITOR_TABS);
    if (!tabs) return;
    wchar_t pattern[kLabelCapacity] = L"";
    GetDlgItemTextW(dialog_, IDC_MONITOR_TAB_FORMAT, pattern, kLabelCapacity);
    for (UINT m = 0; m < saver_.monitorCount; ++m) {
        wchar_t label[kLabelCapacity];
        FillNumbers(pattern, {static_cast<int>(m) + 1}, label, kLabelCapacity);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = label;
        SendMessageW(tabs, TCM_INSERTITEMW, m, reinterpret_cast<LPARAM>(&item));
    }
}

int DisplaySettingsDialog::SelectedMonitor() const {
    int monitor = -1;
    UINT best = 0;
    if (saver_.oneScreenOnly && saver_.PickBestAdapter(best)) {
        monitor = saver_.adapters[best]->monitorIndex;
    } else if (HWND tabs = dialog_ ? GetDlgItem(dialog_, IDC_MONITOR_TABS) : nullptr) {
        monitor = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    } else {
        // Without tabs the page shows the first monitor that has an adapter.
        for (UINT m = 0; m < saver_.monitorCount && monitor < 0; ++m)
            if (AdapterOfMonitor(saver_, m)) monitor = static_cast<int>(m);
    }
    if (monitor < 0 && saver_.monitorCount > 0) monitor = 0;
    return monitor >= 0 && static_cast<UINT>(monitor) < saver_.monitorCount ? monitor : -1;
}

void DisplaySettingsDialog::RefreshMonitorPage() {
    const int monitor = SelectedMonitor();
    const AdapterRecord* adapter =
        monitor >= 0 ? AdapterOfMonitor(saver_, static_cast<UINT>(monitor)) : nullptr;

    SetDlgItemTextW(dialog_, IDC_ADAPTER_NAME, monitor >= 0 ? saver_.monitors[monitor].adapterText : L"");
    wchar_t status[256] = L"";
    LoadStringW(saver_.instance, RenderingStatusTextId(adapter), status, 256);
    SetDlgItemTextW(dialog_, IDC_RENDERING_STATUS, status);

    const bool hardware = adapter && adapter->halPresent && adapter->halUsable;
    EnableControl(dialog_, IDC_DISABLE_HARDWARE, hardware);
    CheckDlgButton(dialog_, IDC_DISABLE_HARDWARE,
                   hardware && adapter->disableHardware ? BST_CHECKED : BST_UNCHECKED);

    const bool showable =
        adapter && ((adapter->halUsable && !adapter->disableHardware) || adapter->swUsable);
    for (int id : {IDC_USAGE_GROUP, IDC_USE_MONITOR, IDC_LEAVE_BLACK})
        EnableControl(dialog_, id, showable);
    if (GetDlgItem(dialog_, IDC_LEAVE_BLACK))
        CheckRadioButton(dialog_, IDC_USE_MONITOR, IDC_LEAVE_BLACK,
                         !showable || adapter->leaveBlack ? IDC_LEAVE_BLACK : IDC_USE_MONITOR);
    EnableModeControls();
    FillModeList(adapter);
}

void DisplaySettingsDialog::EnableModeControls() {
    const bool enable = IsDlgButtonChecked(dialog_, IDC_LEAVE_BLACK) != BST_CHECKED;
    for (int id : {IDC_MODE_LIST, IDC_MODE_LABEL, IDC_MODE_GROUP, IDC_MODE_NOTE})
        EnableControl(dialog_, id, enable);
}

void DisplaySettingsDialog::FillModeList(const AdapterRecord* adapter) {
    HWND list = GetDlgItem(dialog_, IDC_MODE_LIST);
    SendMessageW(list, CB_RESETCONTENT, 0, 0);
    if (!adapter) return;
    wchar_t automatic[kLabelCapacity] = L"";
    wchar_t pattern[kLabelCapacity] = L"";
    GetDlgItemTextW(dialog_, IDC_AUTOMATIC_TEXT, automatic, kLabelCapacity);
    GetDlgItemTextW(dialog_, IDC_MODE_FORMAT, pattern, kLabelCapacity);
    LRESULT item = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(automatic));
    SendMessageW(list, CB_SETITEMDATA, item, -1);
    LRESULT selection = 0;
    if (const DeviceTypeRecord* type = ChosenDeviceType(adapter)) {
        for (UINT i = 0; i < type->modeCount && i < DeviceTypeRecord::kMaxModes; ++i) {
            const DisplayModeRecord& mode = type->modes[i];
            wchar_t text[kLabelCapacity];
            FillNumbers(pattern,
                        {static_cast<int>(mode.width), static_cast<int>(mode.height),
                         ModeListBitDepth(mode.format)},
                        text, kLabelCapacity);
            // Appended in list order (the list is not sorted), so the item's index is i + 1.
            item = SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
            SendMessageW(list, CB_SETITEMDATA, item, static_cast<LPARAM>(i));
            if (selection == 0 && mode.width == adapter->userWidth &&
                mode.height == adapter->userHeight && mode.format == adapter->userFormat)
                selection = item;
        }
    }
    SendMessageW(list, CB_SETCURSEL, selection, 0);
}

void DisplaySettingsDialog::TakeModeSelection() {
    const int monitor = SelectedMonitor();
    AdapterRecord* adapter =
        monitor >= 0 ? AdapterOfMonitor(saver_, static_cast<UINT>(monitor)) : nullptr;
    if (!adapter) return;
    HWND list = GetDlgItem(dialog_, IDC_MODE_LIST);
    const LRESULT selection = SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (selection == CB_ERR) return;
    const LRESULT index = SendMessageW(list, CB_GETITEMDATA, selection, 0);
    const DeviceTypeRecord* type = ChosenDeviceType(adapter);
    if (selection == 0 || index < 0 || !type || static_cast<UINT>(index) >= type->modeCount) {
        adapter->userWidth = adapter->userHeight = 0;
        adapter->userFormat = D3DFMT_UNKNOWN;
        return;
    }
    const DisplayModeRecord& mode = type->modes[index];
    adapter->userWidth = mode.width;
    adapter->userHeight = mode.height;
    adapter->userFormat = mode.format;
}

void DisplaySettingsDialog::ShowHelp() {
    const int monitor = SelectedMonitor();
    const MonitorRecord none;
    const MonitorRecord& record = monitor >= 0 ? saver_.monitors[monitor] : none;
    const AdapterRecord* adapter =
        monitor >= 0 ? AdapterOfMonitor(saver_, static_cast<UINT>(monitor)) : nullptr;
    wchar_t text[512] = L"";
    LoadStringW(saver_.instance, DisplayHelpTextId(record, adapter), text, 512);
    MessageBoxW(dialog_, text, record.adapterText, MB_ICONINFORMATION | MB_OK);
}

void DisplaySettingsDialog::KeepCopies() {
    savedAdapters_.clear();
    for (UINT i = 0; i < saver_.adapterCount; ++i) savedAdapters_.push_back(*saver_.adapters[i]);
    savedAllScreensSame_ = saver_.allScreensSame;
}

void DisplaySettingsDialog::RestoreCopies() {
    for (UINT i = 0; i < saver_.adapterCount && i < savedAdapters_.size(); ++i)
        *saver_.adapters[i] = savedAdapters_[i];
    saver_.allScreensSame = savedAllScreensSame_;
    savedAdapters_.clear();
}

INT_PTR ShowDisplaySettingsDialog(CSaverFramework& saver, HWND parent) {
    DisplaySettingsDialog dialog(saver);
    return dialog.Show(parent);
}
