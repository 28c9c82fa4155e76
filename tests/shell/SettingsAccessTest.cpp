// Settings values over an in-memory key store, and the registry store under Wine.
#include <gtest/gtest.h>

#include "MemoryKeyStore.h"
#include "shell/RegistryKeyStore.h"
#include "shell/SettingsAccess.h"

namespace vgtest {
namespace {

const wchar_t kKey[] = L"Software\\Larkspire\\Glimmerforge\\Screensaver\\";

class SettingsAccess : public ::testing::Test {
protected:
    SettingsAccess() {
        UseKeyStore(&store);
        wcscpy(SaverKeyPath, kKey);
    }
    ~SettingsAccess() override {
        UseKeyStore(nullptr);
        SaverKeyPath[0] = L'\0';
    }
    MemoryKeyStore store;
};

TEST_F(SettingsAccess, AnEmptyStoreLeavesEveryDefault) {
    const std::pair<const wchar_t*, DWORD> defaults[] = {
        {kSoundVolumeValue, 100}, {kMuteSoundValue, 0}, {kSoundBalanceValue, 50},
        {kPicturePositionValue, 2}, {kAllScreensSameValue, 0}};
    for (const auto& [name, value] : defaults) {
        DWORD read = value;
        ReadSettingDword(&read, name);
        EXPECT_EQ(read, value);
    }
    PicturePositionCache position;
    EXPECT_EQ(position.Get(), 2u);
}

TEST_F(SettingsAccess, SoundNamesCarryTheirQuotesSoThePlainNameIsNotTheSetting) {
    store.PutDword(kKey, L"SoundVolume", 10);
    DWORD volume = 100;
    ReadSettingDword(&volume, kSoundVolumeValue);
    EXPECT_EQ(volume, 100u);
    store.PutDword(kKey, L"\"SoundVolume\"", 35);
    ReadSettingDword(&volume, kSoundVolumeValue);
    EXPECT_EQ(volume, 35u);
}

TEST_F(SettingsAccess, WrittenValuesAreReadBackAsDwords) {
    WriteSettingDword(1, kMuteSoundValue);
    const auto it = store.values.find({kKey, L"\"MuteSound\""});
    ASSERT_NE(it, store.values.end());
    EXPECT_EQ(it->second.type, static_cast<DWORD>(REG_DWORD));
    DWORD mute = 0;
    ReadSettingDword(&mute, kMuteSoundValue);
    EXPECT_EQ(mute, 1u);
}

TEST_F(SettingsAccess, ThePicturePositionIsReadOnceAndThenKept) {
    store.PutDword(kKey, L"\"PicPos\"", 1);
    PicturePositionCache position;
    EXPECT_EQ(position.Get(), 1u);
    position.Set(0);
    const int readsBefore = store.reads;
    EXPECT_EQ(position.Get(), 0u);
    EXPECT_EQ(store.reads, readsBefore);
    DWORD stored = 9;
    EXPECT_TRUE(store.GetDword(kKey, L"\"PicPos\"", stored));
    EXPECT_EQ(stored, 0u);
}

TEST(RegistryKeyStoreTest, ValuesOfAnotherSizeLeaveTheTargetAlone) {
    RegistryKeyStore registry;
    const wchar_t key[] = L"Software\\VelmoraGlowTests\\KeyStore";
    const DWORD value = 77;
    ASSERT_TRUE(registry.Write(key, L"\"PicPos\"", REG_DWORD, &value, sizeof value));
    DWORD read = 0;
    EXPECT_TRUE(registry.Read(key, L"\"PicPos\"", &read, sizeof read));
    EXPECT_EQ(read, 77u);
    read = 5;
    EXPECT_FALSE(registry.Read(key, L"PicPos", &read, sizeof read));
    const BYTE two[2] = {1, 2};
    ASSERT_TRUE(registry.Write(key, L"short", REG_BINARY, two, sizeof two));
    EXPECT_FALSE(registry.Read(key, L"short", &read, sizeof read));
    EXPECT_EQ(read, 5u);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VelmoraGlowTests");
}

}  // namespace
}  // namespace vgtest
