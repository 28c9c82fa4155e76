#pragma once
// Music files as the document stores them, and a private temporary folder for the test:
// TMP and TEMP point into a fresh folder that is removed again afterwards.
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "WaveBytes.h"
#include "audio/QV_AudioFile.h"

namespace vgtest {

// A QV_AudioFile read from its stored record: display name, then the blob named storedPath.
QV_AudioFile MakeAudioFile(const std::wstring& storedPath, const Bytes& bytes);

Bytes ReadFileBytes(const std::wstring& path);
void WriteFileBytes(const std::wstring& path, const Bytes& bytes);
bool FileExists(const std::wstring& path);
// A folder's entries (files and folders), "." and ".." left out; the folder ends with a
// backslash.
std::vector<std::wstring> EntriesOf(const std::wstring& folder);

class PrivateTempFolder : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Ends with a backslash, as GetTempPathW gives it.
    const std::wstring& Folder() const { return folder_; }
    // The folder's entries (files and folders), "." and ".." left out.
    std::vector<std::wstring> Entries() const { return EntriesOf(folder_); }

private:
    std::wstring folder_;
    std::wstring savedTmp_, savedTemp_;
};

}  // namespace vgtest
