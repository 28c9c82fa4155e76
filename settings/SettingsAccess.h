#pragma once
// The saver's settings: DWORD values under SaverKeyPath in the current user's key store.
// A missing value leaves the caller's variable as it was, so its initial value is the default.
#include <windows.h>

#include "settings/SettingsKeyStore.h"

// The process-wide copy of the key path, set by the application when it is constructed.
extern wchar_t SaverKeyPath[200];

// Value names; the sound and picture names carry their double quotes.
inline constexpr const wchar_t* kAllScreensSameValue = L"AllScreensSame";
inline constexpr const wchar_t* kSoundVolumeValue = L"\"SoundVolume\"";
inline constexpr const wchar_t* kSoundBalanceValue = L"\"SoundBalance\"";
inline constexpr const wchar_t* kMuteSoundValue = L"\"MuteSound\"";
inline constexpr const wchar_t* kPicturePositionValue = L"\"PicPos\"";

// The store every settings access goes through; the registry unless a test put in its own.
SettingsKeyStore& ActiveKeyStore();
void UseKeyStore(SettingsKeyStore* store);  // null: the registry again

void ReadSettingDword(DWORD* value, const wchar_t* name);
void WriteSettingDword(DWORD value, const wchar_t* name);
// The same under any key: only a REG_DWORD value is taken, else the variable stays as it was.
bool ReadDwordValue(const wchar_t* keyPath, const wchar_t* name, DWORD& value);
void WriteDwordValue(const wchar_t* keyPath, const wchar_t* name, DWORD value);

// The picture position (0 stretch, 1 fit, 2 fill), read once and then kept. A stored value
// that names no position is taken as the default, so the player and the dialog agree.
class PicturePositionCache {
public:
    DWORD Get();
    void Set(DWORD position);

    static constexpr DWORD kPositions = 3;
    static constexpr DWORD kDefaultPosition = 2;

private:
    DWORD position_ = kDefaultPosition;
    bool filled_ = false;
};

DWORD GetPicturePosition();
void SetPicturePosition(DWORD position);
