#pragma once
// The sound-settings dialog: volume on a vertical trackbar (loud at the top) and mute.
// The values are read when the dialog opens into process-wide variables that start at
// volume 100, balance 50, mute 0 and keep what an earlier opening read; OK writes them.
// A stored volume above 100 is shown and kept as 100.
#include <windows.h>

// The dialog's procedure; the application's SoundDialogProc hook hands it its messages.
INT_PTR SoundSettingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// The procedure of the dialog's window: calls TheSaver's SoundDialogProc.
INT_PTR CALLBACK SoundDialogThunk(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// Runs the dialog modally; 1 for OK, 2 for Cancel.
INT_PTR ShowSoundSettingsDialog(HINSTANCE module, HWND owner);
