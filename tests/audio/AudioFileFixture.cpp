#include "AudioFileFixture.h"

#include <cstdio>

#include "document/QV_IOF_R.h"
#include "document/ResourceBuffer.h"
#include "tools/scene_writer/SceneWriter.h"

namespace vgtest {

namespace {

std::wstring Environment(const wchar_t* name) {
    wchar_t value[MAX_PATH * 2] = {};
    DWORD length = GetEnvironmentVariableW(name, value, MAX_PATH * 2);
    return std::wstring(value, length < MAX_PATH * 2 ? length : 0);
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(folder + name + L"\\");
            } else {
                DeleteFileW((folder + name).c_str());
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

QV_AudioFile MakeAudioFile(const std::wstring& storedPath, const Bytes& bytes) {
    std::u16string path(storedPath.begin(), storedPath.end());
    scenewriter::SceneWriter writer;
    writer.String("Track").UInt(static_cast<uint32_t>(bytes.size())).Raw(bytes).String(path);
    ResourceBuffer buffer(writer.Bytes().data(), writer.Size());
    QV_IOF_R<ResourceBuffer> archive(&buffer);
    QV_AudioFile file;
    file.Load(archive);
    EXPECT_FALSE(archive.Failed());
    return file;
}

Bytes ReadFileBytes(const std::wstring& path) {
    Bytes bytes;
    if (FILE* in = _wfopen(path.c_str(), L"rb")) {
        unsigned char block[4096];
        size_t count;
        while ((count = std::fread(block, 1, sizeof(block), in)) > 0) {
            bytes.insert(bytes.end(), block, block + count);
        }
        std::fclose(in);
    }
    return bytes;
}

void WriteFileBytes(const std::wstring& path, const Bytes& bytes) {
    FILE* out = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
}

bool FileExists(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void PrivateTempFolder::SetUp() {
    savedTmp_ = Environment(L"TMP");
    savedTemp_ = Environment(L"TEMP");
    wchar_t base[MAX_PATH + 1] = {};
    ASSERT_NE(GetTempPathW(MAX_PATH, base), 0u);
    // The pid keeps test processes that run at the same time apart.
    for (int attempt = 0; folder_.empty(); ++attempt) {
        std::wstring candidate = std::wstring(base) + L"vg-audio-" +
                                 std::to_wstring(GetCurrentProcessId()) + L"-" +
                                 std::to_wstring(attempt);
        if (CreateDirectoryW(candidate.c_str(), nullptr)) folder_ = candidate + L"\\";
        ASSERT_LT(attempt, 100);
    }
    // Both names, so the temporary path is ours whichever one the system reads first.
    SetEnvironmentVariableW(L"TMP", folder_.c_str());
    SetEnvironmentVariableW(L"TEMP", folder_.c_str());
    wchar_t now[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, now);
    ASSERT_EQ(std::wstring(now), folder_);
}

void PrivateTempFolder::TearDown() {
    SetEnvironmentVariableW(L"TMP", savedTmp_.empty() ? nullptr : savedTmp_.c_str());
    SetEnvironmentVariableW(L"TEMP", savedTemp_.empty() ? nullptr : savedTemp_.c_str());
    if (!folder_.empty()) RemoveTree(folder_);
}

std::vector<std::wstring> EntriesOf(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        std::wstring name = entry.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return names;
}

}  // namespace vgtest
