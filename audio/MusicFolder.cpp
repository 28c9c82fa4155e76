#include "audio/MusicFolder.h"

#include <functional>

namespace {

const wchar_t kBaseName[] = L"Velmora Glow";
const wchar_t kInUseName[] = L"in use";
constexpr int kAttempts = 100;

// Calls back with the name of every entry of the folder but "." and "..", and whether it is
// a plain file (not a folder, not a link to somewhere else).
void ForEachEntry(const std::wstring& folder, const std::function<void(const std::wstring&, bool)>& visit) {
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW((folder + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const DWORD notPlain = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT;
        visit(name, (entry.dwFileAttributes & notPlain) == 0);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// Deletes the folder's plain files, then the folder if that left it empty.
void DeleteFolder(const std::wstring& folder) {
    ForEachEntry(folder, [&](const std::wstring& name, bool plain) {
        if (plain) DeleteFileW((folder + name).c_str());
    });
    RemoveDirectoryW(folder.c_str());
}

// Folders of earlier runs whose in-use file is gone: their process has ended.
void RemoveAbandonedFolders(const std::wstring& base) {
    ForEachEntry(base, [&](const std::wstring& name, bool plain) {
        if (plain) return;
        const std::wstring folder = base + name + L"\\";
        if (GetFileAttributesW((folder + kInUseName).c_str()) == INVALID_FILE_ATTRIBUTES) DeleteFolder(folder);
    });
}

}  // namespace

std::wstring MusicFolder::BaseFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::wstring(temp, length) + kBaseName + L"\\";
}

std::wstring MusicFolder::Place(const std::wstring& storedPath) {
    if (folder_.empty() && !Make()) return {};
    return folder_ + names_.Claim(storedPath);
}

bool MusicFolder::Make() {
    const std::wstring base = BaseFolder();
    if (base.empty()) return false;
    base_ = base;
    CreateDirectoryW(base.c_str(), nullptr);
    RemoveAbandonedFolders(base);
    const std::wstring run = base + L"run " + std::to_wstring(GetCurrentProcessId()) + L"-";
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const std::wstring folder = run + std::to_wstring(attempt) + L"\\";
        if (!CreateDirectoryW(folder.c_str(), nullptr)) continue;
        // Deleted by the system with the last handle, when the process ends at the latest.
        inUse_ = CreateFileW((folder + kInUseName).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                             CREATE_NEW, FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (inUse_ != INVALID_HANDLE_VALUE) {
            folder_ = folder;
            return true;
        }
        // Another run took it for abandoned before the mark was made.
        RemoveDirectoryW(folder.c_str());
    }
    return false;
}

void MusicFolder::Remove() {
    if (folder_.empty()) return;
    CloseHandle(inUse_);
    inUse_ = INVALID_HANDLE_VALUE;
    DeleteFolder(folder_);
    RemoveDirectoryW(base_.c_str());
    folder_.clear();
    names_ = TempFileNames();
}
