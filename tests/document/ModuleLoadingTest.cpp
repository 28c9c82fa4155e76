// Modules that documents name are data: only the file of that bare name beside the program is
// mapped, as data, so no code of any module runs, wherever the document says it lies and
// whatever the search path holds. vg_marker_module.dll's entry point, were it ever run, would
// create the marker file.
#include <gtest/gtest.h>

#include <string>

#include "TestDevice.h"
#include "base/CurrentDevice.h"
#include "document/BuiltinResources.h"
#include "document/QV_DocResManager.h"

namespace {

std::wstring Widen(const char* text) { return std::wstring(text, text + strlen(text)); }

// The folder of copies named vg_elsewhere_module.dll and common_res.dll, with backslashes.
std::wstring ElsewhereFolder() {
    std::wstring folder = Widen(VG_MARKER_ELSEWHERE_DIR);
    for (wchar_t& c : folder)
        if (c == L'/') c = L'\\';
    return folder + L"\\";
}

std::wstring Environment(const wchar_t* name) {
    wchar_t value[4096] = L"";
    const DWORD length = GetEnvironmentVariableW(name, value, 4096);
    return length < 4096 ? std::wstring(value, length) : std::wstring();
}

class ModuleLoading : public ::testing::Test {
protected:
    void SetUp() override {
        VG_REQUIRE_DEVICE(device_);
        CurrentDevice = device_.Device();
        wchar_t temp[MAX_PATH + 1] = L"";
        GetTempPathW(MAX_PATH, temp);
        marker_ = std::wstring(temp) + L"vg-module-marker-" + std::to_wstring(GetCurrentProcessId());
        DeleteFileW(marker_.c_str());
        SetEnvironmentVariableW(L"VG_MODULE_MARKER", marker_.c_str());
        // Every place the search path looks holds the copies.
        wchar_t directory[MAX_PATH + 1] = L"";
        GetCurrentDirectoryW(MAX_PATH, directory);
        savedDirectory_ = directory;
        savedPath_ = Environment(L"PATH");
        SetCurrentDirectoryW(ElsewhereFolder().c_str());
        SetDllDirectoryW(ElsewhereFolder().c_str());
        SetEnvironmentVariableW(L"PATH", (ElsewhereFolder() + L";" + savedPath_).c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"PATH", savedPath_.c_str());
        SetDllDirectoryW(nullptr);
        SetCurrentDirectoryW(savedDirectory_.c_str());
        SetEnvironmentVariableW(L"VG_MODULE_MARKER", nullptr);
        DeleteFileW(marker_.c_str());
        CurrentDevice = nullptr;
    }
    bool MarkerWritten() const { return GetFileAttributesW(marker_.c_str()) != INVALID_FILE_ATTRIBUTES; }

    vgtest::TestDevice device_{32, 32};
    std::wstring marker_, savedDirectory_, savedPath_;
};

TEST_F(ModuleLoading, NamedModulesServeResourcesOnlyFromBesideTheProgramAndRunNoCode) {
    const struct {
        const char* label;
        std::wstring storedName;
        bool served;
    } cases[] = {
        {"a bare name beside the program", L"vg_marker_module.dll", true},
        {"a stored folder is not used, only the name", L"C:\\Authoring\\vg_marker_module.dll", true},
        {"forward slashes name a folder too", L"D:/Authoring/vg_marker_module.dll", true},
        {"an absolute path to a module elsewhere", ElsewhereFolder() + L"vg_elsewhere_module.dll", false},
        {"a module found only on the search path", L"vg_elsewhere_module.dll", false},
        {"a drive-relative name", L"C:vg_marker_module.dll", false},
        {"the built-in module, with a copy on the search path", L"common_res.dll", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        QV_DocResManager manager;
        const FileKey link(c.storedName, 5);
        TextureSet& set = manager.GetTextures(link);
        ASSERT_EQ(set.frames.size(), 1u);
        EXPECT_EQ(bool(set.frames[0]), c.served);
        // The texture lookup left a record without bytes under its key: the bytes in a new one.
        QV_DocResManager other;
        const EmbeddedFile* bytes = other.GetEmbeddedFile(link);
        ASSERT_NE(bytes, nullptr);
        EXPECT_EQ(bytes->Size() > 0, c.served);
        EXPECT_TRUE(manager.LoadFrameSetFromModule({c.storedName, 77}).frames.empty());
        EXPECT_FALSE(MarkerWritten());
    }
}

TEST_F(ModuleLoading, TheBuiltInModuleStillServesItsPictures) {
    QV_DocResManager manager;
    TextureSet& background = manager.GetTextures(builtin::Link(builtin::kDefaultPicture));
    ASSERT_EQ(background.frames.size(), 1u);
    ASSERT_TRUE(background.frames[0]);
    EXPECT_EQ(background.width, 1024u);
    EXPECT_EQ(background.height, 768u);
    EXPECT_FALSE(MarkerWritten());
}

}  // namespace
