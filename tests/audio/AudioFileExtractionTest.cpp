#include <gtest/gtest.h>

#include "AudioFileFixture.h"
#include "audio/TempFileNames.h"

namespace vgtest {
namespace {

using AudioFileExtraction = PrivateTempFolder;

const Bytes kTrack = {'I', 'D', '3', 1, 2, 3, 0, 255};

TEST_F(AudioFileExtraction, WritesTheBytesUnderTheStoredFileNameAndPointsThere) {
    QV_AudioFile file = MakeAudioFile(L"D:\\Authoring\\Music\\Night Song.mp3", kTrack);
    TempFileNames names;
    file.ExtractToTempFile(names);
    EXPECT_EQ(file.Data().Name(), Folder() + L"Night Song.mp3");
    EXPECT_EQ(file.Data().Size(), 0u);
    EXPECT_EQ(ReadFileBytes(Folder() + L"Night Song.mp3"), kTrack);
}

TEST_F(AudioFileExtraction, ReplacesAFileOfThatNameLeftBefore) {
    WriteFileBytes(Folder() + L"song.mp3", Bytes(100, 7));
    QV_AudioFile file = MakeAudioFile(L"C:\\m\\song.mp3", kTrack);
    TempFileNames names;
    file.ExtractToTempFile(names);
    EXPECT_EQ(ReadFileBytes(Folder() + L"song.mp3"), kTrack);
}

TEST_F(AudioFileExtraction, AStoredPathThatExistsPlaysFromThereAndWritesNothing) {
    std::wstring existing = Folder() + L"already here.wav";
    WriteFileBytes(existing, Bytes(10, 1));
    QV_AudioFile file = MakeAudioFile(existing, kTrack);
    TempFileNames names;
    file.ExtractToTempFile(names);
    EXPECT_EQ(file.Data().Name(), existing);
    EXPECT_EQ(file.Data().Size(), 0u);
    EXPECT_EQ(ReadFileBytes(existing), Bytes(10, 1));
    EXPECT_EQ(Entries().size(), 1u);
}

TEST_F(AudioFileExtraction, AStoredPathNamingAFolderIsNotTakenForTheFile) {
    ASSERT_TRUE(CreateDirectoryW((Folder() + L"Library").c_str(), nullptr));
    std::wstring folder = Folder() + L"Library\\Music";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    QV_AudioFile file = MakeAudioFile(folder, kTrack);
    TempFileNames names;
    file.ExtractToTempFile(names);
    EXPECT_EQ(file.Data().Name(), Folder() + L"Music");
    EXPECT_EQ(ReadFileBytes(Folder() + L"Music"), kTrack);
}

TEST_F(AudioFileExtraction, AFileWithoutBytesIsLeftAlone) {
    QV_AudioFile file = MakeAudioFile(L"C:\\m\\silent.mp3", {});
    TempFileNames names;
    file.ExtractToTempFile(names);
    EXPECT_EQ(file.Data().Name(), L"C:\\m\\silent.mp3");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(AudioFileExtraction, APathWithoutBackslashUsesTheWholeNameAsFileName) {
    QV_AudioFile file = MakeAudioFile(L"loop.ogg", kTrack);
    TempFileNames names;
    file.ExtractToTempFile(names);
    EXPECT_EQ(file.Data().Name(), Folder() + L"loop.ogg");
    EXPECT_EQ(ReadFileBytes(Folder() + L"loop.ogg"), kTrack);
}

// Names that would leave the folder, name a device or name the folder itself.
struct UnsafeName {
    const char* label;
    const wchar_t* storedPath;
    const wchar_t* expectedExtension;
};

void PrintTo(const UnsafeName& name, std::ostream* out) { *out << name.label; }

std::string LabelOf(const ::testing::TestParamInfo<UnsafeName>& info) { return info.param.label; }

class UnsafeStoredNames : public AudioFileExtraction,
                          public ::testing::WithParamInterface<UnsafeName> {};

TEST_P(UnsafeStoredNames, GetAGeneratedNameInsideTheFolder) {
    QV_AudioFile file = MakeAudioFile(GetParam().storedPath, kTrack);
    TempFileNames names;
    file.ExtractToTempFile(names);
    const std::wstring& target = file.Data().Name();
    ASSERT_EQ(target.compare(0, Folder().size(), Folder()), 0) << target;
    std::wstring name = target.substr(Folder().size());
    EXPECT_EQ(name.find_first_of(L"\\/:"), std::wstring::npos) << name;
    std::wstring extension = GetParam().expectedExtension;
    EXPECT_GE(name.size(), extension.size() + 1);
    EXPECT_EQ(name.substr(name.size() - extension.size()), extension) << name;
    EXPECT_EQ(ReadFileBytes(target), kTrack);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{name});
}

INSTANTIATE_TEST_SUITE_P(
    AudioFileExtraction, UnsafeStoredNames,
    ::testing::Values(UnsafeName{"ForwardSlashes", L"C:/Music/song.mp3", L".mp3"},
                      UnsafeName{"ParentDotsAfterFolder", L"D:\\Music\\..", L""},
                      UnsafeName{"ParentDots", L"..", L""},
                      UnsafeName{"Dot", L".", L""},
                      UnsafeName{"EndsInBackslash", L"D:\\Music\\", L""},
                      UnsafeName{"TraversalAfterLastBackslash", L"D:\\Music\\..\\..\\x/../../evil.wav", L".wav"},
                      UnsafeName{"StreamColon", L"song.mp3:hidden", L""},
                      UnsafeName{"DriveRelative", L"C:song.ogg", L".ogg"},
                      UnsafeName{"DeviceWithExtension", L"D:\\Music\\nul.mp3", L".mp3"},
                      UnsafeName{"DeviceName", L"D:\\Music\\COM1", L""},
                      UnsafeName{"Wildcards", L"D:\\Music\\a?b*.mp3", L".mp3"}),
    LabelOf);

TEST_F(AudioFileExtraction, TracksWithTheSameFileNameGetTheirOwnFiles) {
    Bytes first(50, 1), second(60, 2), third(70, 3);
    QV_AudioFile a = MakeAudioFile(L"C:\\one\\theme.mp3", first);
    QV_AudioFile b = MakeAudioFile(L"C:\\two\\theme.mp3", second);
    QV_AudioFile c = MakeAudioFile(L"C:\\three\\THEME.MP3", third);
    TempFileNames names;
    a.ExtractToTempFile(names);
    b.ExtractToTempFile(names);
    c.ExtractToTempFile(names);
    EXPECT_NE(a.Data().Name(), b.Data().Name());
    EXPECT_NE(b.Data().Name(), c.Data().Name());
    EXPECT_NE(a.Data().Name(), c.Data().Name());
    EXPECT_EQ(ReadFileBytes(a.Data().Name()), first);
    EXPECT_EQ(ReadFileBytes(b.Data().Name()), second);
    EXPECT_EQ(ReadFileBytes(c.Data().Name()), third);
    EXPECT_EQ(Entries().size(), 3u);
}

TEST(TempFileNamesTest, NumberedNamesNeverMeetATakenName) {
    TempFileNames names;
    // The second track's name is what numbering would give the third.
    EXPECT_EQ(names.Claim(L"a\\x.mp3"), L"x.mp3");
    EXPECT_EQ(names.Claim(L"b\\x (2).mp3"), L"x (2).mp3");
    EXPECT_EQ(names.Claim(L"c\\x.mp3"), L"x (3).mp3");
    EXPECT_EQ(names.Claim(L"d\\x (2).mp3"), L"x (2) (2).mp3");
}

TEST(TempFileNamesTest, GeneratedNamesAreDistinctToo) {
    TempFileNames names;
    std::wstring first = names.Claim(L"..");
    std::wstring second = names.Claim(L"D:\\");
    EXPECT_NE(first, second);
}

}  // namespace
}  // namespace vgtest
