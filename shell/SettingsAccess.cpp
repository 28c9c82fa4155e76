#include "shell/SettingsAccess.h"

#include "shell/RegistryKeyStore.h"

wchar_t SaverKeyPath[200] = L"";

namespace {

RegistryKeyStore theRegistry;
SettingsKeyStore* activeStore = &theRegistry;
PicturePositionCache thePicturePosition;

}  // namespace

SettingsKeyStore& ActiveKeyStore() { return *activeStore; }

void UseKeyStore(SettingsKeyStore* store) { activeStore = store ? store : &theRegistry; }

void ReadSettingDword(DWORD* value, const wchar_t* name) {
    ActiveKeyStore().Read(SaverKeyPath, name, value, sizeof(DWORD));
}

void WriteSettingDword(DWORD value, const wchar_t* name) {
    ActiveKeyStore().Write(SaverKeyPath, name, REG_DWORD, &value, sizeof(DWORD));
}

DWORD PicturePositionCache::Get() {
    if (!filled_) {
        ReadSettingDword(&position_, kPicturePositionValue);
        filled_ = true;
    }
    return position_;
}

void PicturePositionCache::Set(DWORD position) {
    Get();
    position_ = position;
    WriteSettingDword(position, kPicturePositionValue);
}

DWORD GetPicturePosition() { return thePicturePosition.Get(); }

void SetPicturePosition(DWORD position) { thePicturePosition.Set(position); }
