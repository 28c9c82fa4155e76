// The stored display settings and the settings table over an in-memory key store.
#include <gtest/gtest.h>

#include <functional>

#include "DialogWorld.h"
#include "shell/SaverSettings.h"
#include "shell/SettingsTable.h"

namespace vgtest {
namespace {

constexpr GUID kOtherAdapter = {0x99999999, 0x8888, 0x7777, {9, 9, 9, 9, 9, 9, 9, 9}};

class SaverSettings : public ::testing::Test, public DialogWorld {};

TEST_F(SaverSettings, AnEmptyStoreShowsEveryMonitorWithHardwareAndAutomaticModes) {
    AdapterRecord& first = AddMonitor(L"First");
    AdapterRecord& second = AddMonitor(L"Second");
    LoadAllSettings(saver);
    EXPECT_EQ(saver.allScreensSame, 0u);
    for (const AdapterRecord* adapter : {&first, &second}) {
        EXPECT_FALSE(adapter->leaveBlack);
        EXPECT_FALSE(adapter->disableHardware);
        EXPECT_EQ(adapter->userWidth, 0u);
        EXPECT_EQ(adapter->userHeight, 0u);
        EXPECT_EQ(adapter->userFormat, D3DFMT_UNKNOWN);
    }
}

TEST_F(SaverSettings, ChoicesMadeForAnotherAdapterKeepOnlyLeaveBlack) {
    const AdapterShape shape;
    struct Case {
        const char* name;
        const GUID* storedId;  // null: no "Adapter ID" value
        bool choicesApply;
    } cases[] = {
        {"the same adapter", &shape.id, true},
        {"another adapter", &kOtherAdapter, false},
        {"no adapter id", nullptr, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogWorld world;
        AdapterRecord& adapter = world.AddMonitor(L"First", shape);
        const std::wstring key = world.ScreenKey(0);
        if (c.storedId)
            world.store.Write(key.c_str(), L"Adapter ID", REG_BINARY, c.storedId, sizeof(GUID));
        world.store.PutDword(key, L"Leave Black", 1);
        world.store.PutDword(key, L"Disable Hardware", 1);
        world.store.PutDword(key, L"Width", 800);
        world.store.PutDword(key, L"Height", 600);
        world.store.PutDword(key, L"Format", D3DFMT_X8R8G8B8);
        LoadAllSettings(world.saver);
        EXPECT_TRUE(adapter.leaveBlack);
        EXPECT_EQ(adapter.disableHardware != 0, c.choicesApply);
        EXPECT_EQ(adapter.userWidth, c.choicesApply ? 800u : 0u);
        EXPECT_EQ(adapter.userHeight, c.choicesApply ? 600u : 0u);
        EXPECT_EQ(adapter.userFormat, c.choicesApply ? D3DFMT_X8R8G8B8 : D3DFMT_UNKNOWN);
    }
}

TEST_F(SaverSettings, SavedSettingsAreStoredPerMonitorAndReadBackAsTheyWere) {
    AddBareMonitor(L"Detached");
    AdapterRecord& adapter = AddMonitor(L"Driven");
    adapter.leaveBlack = TRUE;
    adapter.userWidth = 1024;
    adapter.userHeight = 768;
    adapter.userFormat = D3DFMT_X8R8G8B8;
    saver.allScreensSame = 1;
    SaveAllSettings(saver, SettingsTable());

    // Only the monitor with an adapter has a subkey; it is "Screen 2" after its record.
    for (const auto& [key, value] : store.values)
        EXPECT_NE(key.first, ScreenKey(0)) << "a monitor without adapter was stored";
    const std::pair<const wchar_t*, DWORD> dwords[] = {{L"Leave Black", 1},
        {L"Disable Hardware", 0}, {L"Width", 1024}, {L"Height", 768}, {L"Format", D3DFMT_X8R8G8B8}};
    for (const auto& [name, expected] : dwords) {
        const auto it = store.values.find({ScreenKey(1), name});
        ASSERT_NE(it, store.values.end()) << name;
        EXPECT_EQ(it->second.type, static_cast<DWORD>(REG_DWORD)) << name;
        DWORD value = 0;
        EXPECT_TRUE(store.GetDword(ScreenKey(1), name, value));
        EXPECT_EQ(value, expected) << name;
    }
    const auto id = store.values.find({ScreenKey(1), L"Adapter ID"});
    ASSERT_NE(id, store.values.end());
    EXPECT_EQ(id->second.type, static_cast<DWORD>(REG_BINARY));
    ASSERT_EQ(id->second.bytes.size(), sizeof(GUID));
    DWORD same = 0;
    EXPECT_TRUE(store.GetDword(kSaverKey, L"AllScreensSame", same));
    EXPECT_EQ(same, 1u);

    DialogWorld fresh;
    fresh.store.values = store.values;
    fresh.AddBareMonitor(L"Detached");
    AdapterRecord& readBack = fresh.AddMonitor(L"Driven");
    LoadAllSettings(fresh.saver);
    EXPECT_TRUE(readBack.leaveBlack);
    EXPECT_FALSE(readBack.disableHardware);
    EXPECT_EQ(readBack.userWidth, 1024u);
    EXPECT_EQ(readBack.userHeight, 768u);
    EXPECT_EQ(readBack.userFormat, D3DFMT_X8R8G8B8);
    EXPECT_EQ(fresh.saver.allScreensSame, 1u);
}

TEST_F(SaverSettings, ValuesThatDoNotFitAreNormalisedOrIgnored) {
    struct Case {
        const char* name;
        std::function<void(DialogWorld&)> store;
        std::function<void(const CSaverFramework&, const AdapterRecord&)> check;
    } cases[] = {
        {"flags other than 0 and 1 count as 1",
         [](DialogWorld& w) {
             w.store.PutDword(w.ScreenKey(0), L"Leave Black", 7);
             w.store.PutDword(w.ScreenKey(0), L"Disable Hardware", 0x80000000u);
             w.store.PutDword(kSaverKey, L"AllScreensSame", 5);
         },
         [](const CSaverFramework& s, const AdapterRecord& a) {
             EXPECT_EQ(a.leaveBlack, TRUE);
             EXPECT_EQ(a.disableHardware, TRUE);
             EXPECT_EQ(s.allScreensSame, 1u);
         }},
        {"values of another size are missing",
         [](DialogWorld& w) {
             const WORD shortValue = 1;
             const std::wstring key = w.ScreenKey(0);
             w.store.Write(key.c_str(), L"Leave Black", REG_DWORD, &shortValue, sizeof shortValue);
             const unsigned long long wide = 1;
             w.store.Write(key.c_str(), L"Disable Hardware", REG_QWORD, &wide, sizeof wide);
             // Half a GUID naming another adapter: not an adapter id, so the choices apply.
             w.store.Write(key.c_str(), L"Adapter ID", REG_BINARY, &kOtherAdapter, 8);
             w.store.PutDword(key, L"Width", 800);
             w.store.PutDword(key, L"Height", 600);
             w.store.PutDword(key, L"Format", D3DFMT_X8R8G8B8);
         },
         [](const CSaverFramework&, const AdapterRecord& a) {
             EXPECT_FALSE(a.leaveBlack);
             EXPECT_FALSE(a.disableHardware);
             EXPECT_EQ(a.userWidth, 800u);
         }},
        {"a partial display mode is automatic",
         [](DialogWorld& w) {
             w.store.PutDword(w.ScreenKey(0), L"Width", 1280);
             w.store.PutDword(w.ScreenKey(0), L"Format", D3DFMT_X8R8G8B8);
         },
         [](const CSaverFramework&, const AdapterRecord& a) {
             EXPECT_EQ(a.userWidth, 0u);
             EXPECT_EQ(a.userHeight, 0u);
             EXPECT_EQ(a.userFormat, D3DFMT_UNKNOWN);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DialogWorld world;
        AdapterRecord& adapter = world.AddMonitor(L"First");
        c.store(world);
        LoadAllSettings(world.saver);
        c.check(world.saver, adapter);
    }
}

TEST_F(SaverSettings, TheSaversTableStoresNothing) {
    SettingsTable table;
    table.Save(kSaverKey);
    EXPECT_TRUE(store.values.empty());
    EXPECT_STREQ(table.items[0].valueName, L"Path");
    EXPECT_STREQ(table.items[0].text, L"C://");
    EXPECT_STREQ(table.items[1].valueName, L"URL1");
    EXPECT_STREQ(table.items[2].valueName, L"file_path");
}

TEST_F(SaverSettings, TableItemsAreStoredByTheirKind) {
    SettingsTable table;
    const struct {
        int kind;
        DWORD value;
        const wchar_t* text;
        const wchar_t* name;
    } items[] = {{SettingCheckBox, 5, L"", L"Check"},
                 {SettingTrackbar, 42, L"", L"Track"},
                 {SettingHiddenText, 0, L"C:\\pictures", L"Hidden"}};
    for (int i = 0; i < SettingsTable::kItemCount; ++i) {
        table.items[i].kind = items[i].kind;
        table.items[i].value = items[i].value;
        wcscpy(table.items[i].text, items[i].text);
        wcscpy(table.items[i].valueName, items[i].name);
    }
    table.Save(kSaverKey);
    DWORD value = 0;
    EXPECT_TRUE(store.GetDword(kSaverKey, L"Check", value));
    EXPECT_EQ(value, 1u);
    EXPECT_TRUE(store.GetDword(kSaverKey, L"Track", value));
    EXPECT_EQ(value, 42u);
    const auto text = store.values.find({kSaverKey, L"Hidden"});
    ASSERT_NE(text, store.values.end());
    EXPECT_EQ(text->second.type, static_cast<DWORD>(REG_SZ));
    ASSERT_EQ(text->second.bytes.size(), sizeof(L"C:\\pictures"));
    EXPECT_EQ(std::wstring(reinterpret_cast<const wchar_t*>(text->second.bytes.data())),
              L"C:\\pictures");

    table.items[0].kind = 9;  // unknown kinds are not stored
    wcscpy(table.items[0].valueName, L"Unknown");
    table.Save(kSaverKey);
    EXPECT_EQ(store.values.count({kSaverKey, L"Unknown"}), 0u);
}

}  // namespace
}  // namespace vgtest
