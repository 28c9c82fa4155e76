// Settings values over an in-memory key store, and the registry store under Wine.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "MemoryKeyStore.h"
#include "settings/RegistryKeyStore.h"
#include "settings/SettingsAccess.h"

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

// The value forms a hand-edited registry can hold where a DWORD belongs.
struct StoredForm {
    const char* label;
    DWORD type;
    std::vector<BYTE> bytes;
};

const StoredForm kPicturePositionForms[] = {
    {"a DWORD", REG_DWORD, {1, 0, 0, 0}},
    {"the text \"1\", four bytes", REG_SZ, {'1', 0, 0, 0}},
    {"four bytes of binary", REG_BINARY, {1, 0, 0, 0}},
    {"two bytes of binary", REG_BINARY, {1, 0}},
    {"a big-endian DWORD", REG_DWORD_BIG_ENDIAN, {0, 0, 0, 1}},
    {"a DWORD naming no position", REG_DWORD, {7, 0, 0, 0}},
    {"the largest DWORD", REG_DWORD, {0xFF, 0xFF, 0xFF, 0xFF}},
};

// Only a DWORD of 0 to 2 is a picture position; any other form is the default, Fill.
TEST_F(SettingsAccess, OnlyADwordOfAPositionIsThePicturePosition) {
    const DWORD expected[] = {1, 2, 2, 2, 2, 2, 2};
    for (size_t i = 0; i < std::size(kPicturePositionForms); ++i) {
        const StoredForm& form = kPicturePositionForms[i];
        SCOPED_TRACE(form.label);
        store.values.clear();
        store.Write(kKey, L"\"PicPos\"", form.type, form.bytes.data(), DWORD(form.bytes.size()));
        PicturePositionCache position;
        EXPECT_EQ(position.Get(), expected[i]);
        // Any other setting read from such a form keeps its default.
        DWORD raw = 99, dword = 99;
        ReadSettingDword(&raw, kPicturePositionValue);
        if (form.type == REG_DWORD) std::memcpy(&dword, form.bytes.data(), sizeof dword);
        EXPECT_EQ(raw, dword);
    }
}

TEST(RegistryKeyStoreTest, OnlyValuesOfTheAskedTypeAndSizeAreRead) {
    RegistryKeyStore registry;
    const wchar_t key[] = L"Software\\VelmoraGlowTests\\KeyStore";
    DWORD read = 5;
    EXPECT_FALSE(registry.Read(key, L"missing", REG_DWORD, &read, sizeof read));
    for (const StoredForm& form : kPicturePositionForms) {
        SCOPED_TRACE(form.label);
        ASSERT_TRUE(registry.Write(key, L"\"PicPos\"", form.type, form.bytes.data(), DWORD(form.bytes.size())));
        read = 5;
        const bool dword = form.type == REG_DWORD;
        EXPECT_EQ(registry.Read(key, L"\"PicPos\"", REG_DWORD, &read, sizeof read), dword);
        if (!dword) EXPECT_EQ(read, 5u);
        EXPECT_FALSE(registry.Read(key, L"PicPos", REG_DWORD, &read, sizeof read));
    }
    const GUID id = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    ASSERT_TRUE(registry.Write(key, L"Adapter ID", REG_BINARY, &id, sizeof id));
    GUID back = {};
    EXPECT_TRUE(registry.Read(key, L"Adapter ID", REG_BINARY, &back, sizeof back));
    EXPECT_EQ(back, id);
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\VelmoraGlowTests");
}

}  // namespace
}  // namespace vgtest
