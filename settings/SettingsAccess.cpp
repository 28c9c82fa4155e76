#include "settings/SettingsAccess.h"

#include "settings/RegistryKeyStore.h"

wchar_t SaverKeyPath[200] = L"";

namespace {

RegistryKeyStore theRegistry;
SettingsKeyStore* activeStore = &theRegistry;
PicturePositionCache thePicturePosition;

}  // namespace

SettingsKeyStore& ActiveKeyStore() { return *activeStore; }

void UseKeyStore(SettingsKeyStore* store) { activeStore = store ? store : &theRegistry; }

void ReadSettingDword(DWORD* value, const wchar_t* name) { ReadDwordValue(SaverKeyPath, name, *value); }

void WriteSettingDword(DWORD value, const wchar_t* name) { WriteDwordValue(SaverKeyPath, name, value); }

bool ReadDwordValue(const wchar_t* keyPath, const wchar_t* name, DWORD& value) {
    return ActiveKeyStore().Read(keyPath, name, REG_DWORD, &value, sizeof value);
}

void WriteDwordValue(const wchar_t* keyPath, const wchar_t* name, DWORD value) {
    ActiveKeyStore().Write(keyPath, name, REG_DWORD, &value, sizeof value);
}

DWORD PicturePositionCache::Get() {
    if (!filled_) {
        ReadSettingDword(&position_, kPicturePositionValue);
        filled_ = true;
    }
    return position_ < kPositions ? position_ : kDefaultPosition;
}

void PicturePositionCache::Set(DWORD position) {
    Get();
    position_ = position;
    WriteSettingDword(position, kPicturePositionValue);
}

DWORD GetPicturePosition() { return thePicturePosition.Get(); }

void SetPicturePosition(DWORD position) { thePicturePosition.Set(position); }
