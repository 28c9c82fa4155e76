// The web-page button's browser start and the password change, with stand-ins for the
// browser and the password provider.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "shell/BrowserLaunch.h"
#include "shell/PasswordChange.h"

namespace vgtest {
namespace {

TEST(BrowserCommand, TheUrlTakesThePlaceholdersPlaceOrFollowsTheCommand) {
    struct Case {
        const wchar_t* command;
        const wchar_t* line;
    } cases[] = {
        {L"\"C:\\Browser\\run.exe\" -url \"%1\"", L"\"C:\\Browser\\run.exe\" -url \"http://a.example/\""},
        {L"\"C:\\Browser\\run.exe\" -nohome", L"\"C:\\Browser\\run.exe\" -nohome http://a.example/"},
        // Only the quoted placeholder counts; other percent signs are plain text.
        {L"run.exe %1 %s %n \"%1\" %d", L"run.exe %1 %s %n \"http://a.example/\" %d"},
        {L"run.exe %s%n%n", L"run.exe %s%n%n http://a.example/"},
    };
    for (const Case& c : cases) {
        wchar_t line[kBrowserCommandCapacity];
        ASSERT_TRUE(BrowserCommandLine(c.command, L"http://a.example/", line, kBrowserCommandCapacity))
            << c.command;
        EXPECT_STREQ(line, c.line);
    }
}

TEST(BrowserCommand, ALineThatDoesNotFitIsRefused) {
    const std::wstring command(250, L'x');
    wchar_t line[kBrowserCommandCapacity];
    EXPECT_FALSE(BrowserCommandLine(command.c_str(), L"http://a.example/long", line,
                                    kBrowserCommandCapacity));
    const std::wstring fits(kBrowserCommandCapacity - 3, L'x');
    EXPECT_TRUE(BrowserCommandLine(fits.c_str(), L"u", line, kBrowserCommandCapacity));
    EXPECT_EQ(std::wstring(line), fits + L" u");
}

// Puts its own command in place of the registered http command and restores it after.
class RegisteredBrowser {
public:
    RegisteredBrowser() {
        RegCreateKeyExW(HKEY_CLASSES_ROOT, L"http\\shell\\open\\command", 0, nullptr, 0,
                        KEY_ALL_ACCESS, nullptr, &key_, nullptr);
        DWORD bytes = sizeof saved_;
        hadValue_ = RegQueryValueExW(key_, nullptr, nullptr, &savedType_,
                                     reinterpret_cast<BYTE*>(saved_), &bytes) == ERROR_SUCCESS;
        savedBytes_ = bytes;
    }
    ~RegisteredBrowser() {
        if (hadValue_)
            RegSetValueExW(key_, nullptr, 0, savedType_, reinterpret_cast<const BYTE*>(saved_),
                           savedBytes_);
        else
            RegDeleteValueW(key_, nullptr);
        RegCloseKey(key_);
    }
    bool Set(const std::wstring& command) {
        return RegSetValueExW(key_, nullptr, 0, REG_SZ,
                              reinterpret_cast<const BYTE*>(command.c_str()),
                              static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) ==
               ERROR_SUCCESS;
    }
    void Remove() { RegDeleteValueW(key_, nullptr); }

private:
    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD savedType_ = REG_SZ, savedBytes_ = 0;
    wchar_t saved_[1024] = L"";
};

std::wstring ReadRecordedLine(const std::wstring& path) {
    std::ifstream in(std::string(path.begin(), path.end()), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return std::wstring(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
}

TEST(BrowserLaunch, TheRegisteredCommandIsStartedWithTheUrl) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring recordFile = std::wstring(folder) + L"vg_browser_line.txt";
    const std::wstring eventName = L"VgBrowserStarted" + std::to_wstring(GetCurrentProcessId());
    SetEnvironmentVariableW(L"VG_RECORD_FILE", recordFile.c_str());
    SetEnvironmentVariableW(L"VG_RECORD_EVENT", eventName.c_str());
    HANDLE started = CreateEventW(nullptr, FALSE, FALSE, eventName.c_str());
    ASSERT_NE(started, nullptr);

    RegisteredBrowser browser;
    const std::wstring program = L"\"" VG_RECORDER_PATH L"\"";
    struct Case {
        std::wstring command;
        std::wstring expected;
    } cases[] = {
        {program + L" -nohome", program + L" -nohome http://www.larkspire.example/"},
        {program + L" \"%1\"", program + L" \"http://www.larkspire.example/\""},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(browser.Set(c.command));
        DeleteFileW(recordFile.c_str());
        ASSERT_TRUE(OpenUrlInBrowser(L"http://www.larkspire.example/"));
        ASSERT_EQ(WaitForSingleObject(started, 30000), WAIT_OBJECT_0);
        EXPECT_EQ(ReadRecordedLine(recordFile), c.expected);
    }
    browser.Remove();
    EXPECT_FALSE(OpenUrlInBrowser(L"http://www.larkspire.example/"));
    ASSERT_TRUE(browser.Set(L"Z:\\no\\such\\browser.exe"));
    EXPECT_FALSE(OpenUrlInBrowser(L"http://www.larkspire.example/"));
    CloseHandle(started);
    DeleteFileW(recordFile.c_str());
}

TEST(PasswordChange, TheProviderIsCalledForTheSaverWithTheParentWindow) {
    HMODULE provider = LoadLibraryW(VG_PASSWORD_PROVIDER_PATH);
    ASSERT_NE(provider, nullptr);
    using Recorded = int (*)(char*, HWND*, DWORD*, void**);
    const auto recorded = reinterpret_cast<Recorded>(
        reinterpret_cast<void*>(GetProcAddress(provider, "RecordedCall")));
    ASSERT_NE(recorded, nullptr);
    HWND parent = reinterpret_cast<HWND>(static_cast<UINT_PTR>(0x1234));
    EXPECT_EQ(ChangeSaverPassword(parent, VG_PASSWORD_PROVIDER_PATH), S_OK);
    char name[32] = "";
    HWND seenParent = nullptr;
    DWORD reserved1 = 1;
    void* reserved2 = &reserved1;
    EXPECT_EQ(recorded(name, &seenParent, &reserved1, &reserved2), 1);
    EXPECT_STREQ(name, "SCRSAVE");
    EXPECT_EQ(seenParent, parent);
    EXPECT_EQ(reserved1, 0u);
    EXPECT_EQ(reserved2, nullptr);
    FreeLibrary(provider);
}

TEST(PasswordChange, AMissingProviderOrFunctionChangesNothing) {
    EXPECT_EQ(ChangeSaverPassword(nullptr, L"vg_no_such_provider.dll"),
              HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(ChangeSaverPassword(nullptr, L"version.dll"), HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND));
    EXPECT_EQ(GetModuleHandleW(L"vg_no_such_provider.dll"), nullptr);
}

}  // namespace
}  // namespace vgtest
