#pragma once
// The stored settings as a whole: "AllScreensSame" and, per monitor with an adapter, the
// subkey "Screen %d" with the user's choices for that adapter.
//
// Stored values that do not fit are not taken as they stand:
// - a value of another size than its type's (4 bytes, 16 for "Adapter ID") counts as missing;
// - "AllScreensSame", "Leave Black" and "Disable Hardware" count as 1 when not 0;
// - a display mode counts only as a whole: unless "Width", "Height" and "Format" are all
//   non-zero the mode is automatic (0, 0, 0). A mode the adapter does not list is left to
//   device selection, which then chooses automatically.
#include <windows.h>

#include "shell/CSaverFramework.h"
#include "shell/SettingsTable.h"

inline constexpr const wchar_t* kAdapterIdValue = L"Adapter ID";
inline constexpr const wchar_t* kLeaveBlackValue = L"Leave Black";
inline constexpr const wchar_t* kDisableHardwareValue = L"Disable Hardware";
inline constexpr const wchar_t* kWidthValue = L"Width";
inline constexpr const wchar_t* kHeightValue = L"Height";
inline constexpr const wchar_t* kFormatValue = L"Format";

// The subkey of a monitor record: "Screen %d" with the record's index + 1.
void ScreenKeyPath(const wchar_t* keyPath, int monitorIndex, wchar_t* path, size_t capacity);

// The adapter the monitor record shows, or null.
AdapterRecord* AdapterOfMonitor(const CSaverFramework& saver, UINT monitorIndex);

void LoadDisplaySettings(CSaverFramework& saver, const wchar_t* keyPath);
void SaveDisplaySettings(const CSaverFramework& saver, const wchar_t* keyPath);
// Under the framework's SaverKeyPath.
void LoadAllSettings(CSaverFramework& saver);
void SaveAllSettings(const CSaverFramework& saver, const SettingsTable& table);
