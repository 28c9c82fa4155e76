#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "AudioFileFixture.h"
#include "audio/MusicFolder.h"
#include "audio/TempFileNames.h"

namespace vgtest {
namespace {

// The music of one run goes to a folder of its own in the temporary folder.
class AudioFileExtraction : public PrivateTempFolder {
protected:
    std::wstring Base() const { return Folder() + L"Velmora Glow\\"; }
    // The tracks in the run's folder, without the file that marks it in use.
    std::vector<std::wstring> Tracks() const {
        std::vector<std::wstring> tracks = EntriesOf(folder_.Path());
        tracks.erase(std::remove(tracks.begin(), tracks.end(), L"in use"), tracks.end());
        return tracks;
    }
    MusicFolder folder_;
};

const Bytes kTrack = {'I', 'D', '3', 1, 2, 3, 0, 255};

TEST_F(AudioFileExtraction, WritesTheBytesUnderTheStoredFileNameAndPointsThere) {
    QV_AudioFile file = MakeAudioFile(L"D:\\Authoring\\Music\\Night Song.mp3", kTrack);
    file.ExtractToTempFile(folder_);
    ASSERT_EQ(folder_.Path().compare(0, Base().size(), Base()), 0) << folder_.Path();
    EXPECT_EQ(file.Data().Name(), folder_.Path() + L"Night Song.mp3");
    EXPECT_EQ(file.Data().Size(), 0u);
    EXPECT_EQ(ReadFileBytes(folder_.Path() + L"Night Song.mp3"), kTrack);
}

// Files of the temporary folder that are not the saver's are never written over.
TEST_F(AudioFileExtraction, AFileOfThatNameInTheTemporaryFolderIsLeftAlone) {
    WriteFileBytes(Folder() + L"song.mp3", Bytes(100, 7));
    QV_AudioFile file = MakeAudioFile(L"C:\\m\\song.mp3", kTrack);
    file.ExtractToTempFile(folder_);
    EXPECT_EQ(ReadFileBytes(Folder() + L"song.mp3"), Bytes(100, 7));
    EXPECT_EQ(ReadFileBytes(folder_.Path() + L"song.mp3"), kTrack);
}

TEST_F(AudioFileExtraction, TheRunsFolderAndItsFilesGoWhenTheSaverEnds) {
    QV_AudioFile a = MakeAudioFile(L"C:\\m\\a.mp3", kTrack);
    QV_AudioFile b = MakeAudioFile(L"C:\\m\\b.wav", kTrack);
    a.ExtractToTempFile(folder_);
    b.ExtractToTempFile(folder_);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"Velmora Glow"});
    EXPECT_TRUE(FileExists(folder_.Path() + L"in use"));
    EXPECT_EQ(Tracks().size(), 2u);
    folder_.Remove();
    EXPECT_TRUE(Entries().empty());
}

// A run whose process ended without removing its folder leaves no mark of being in use: the
// next run removes the folder. A folder marked in use (a run that plays) stays.
TEST_F(AudioFileExtraction, AFolderLeftByARunThatEndedIsRemovedByTheNext) {
    const std::wstring ended = Base() + L"run 4000000-0\\";
    const std::wstring playing = Base() + L"run 4000001-0\\";
    for (const std::wstring& folder : {Base(), ended, playing}) ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
    WriteFileBytes(ended + L"dawn.mp3", kTrack);
    WriteFileBytes(playing + L"dusk.mp3", kTrack);
    HANDLE inUse = CreateFileW((playing + L"in use").c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                               CREATE_NEW, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    ASSERT_NE(inUse, INVALID_HANDLE_VALUE);

    QV_AudioFile file = MakeAudioFile(L"C:\\m\\a.mp3", kTrack);
    file.ExtractToTempFile(folder_);
    EXPECT_FALSE(FileExists(ended + L"dawn.mp3"));
    EXPECT_EQ(GetFileAttributesW(ended.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(FileExists(playing + L"dusk.mp3"));

    // Once the other run's process is gone, so is its mark, and the next run clears it.
    CloseHandle(inUse);
    folder_.Remove();
    MusicFolder next;
    next.Place(L"x.mp3");
    EXPECT_FALSE(FileExists(playing + L"dusk.mp3"));
}

TEST_F(AudioFileExtraction, AStoredPathThatExistsPlaysFromThereAndWritesNothing) {
    std::wstring existing = Folder() + L"already here.wav";
    WriteFileBytes(existing, Bytes(10, 1));
    QV_AudioFile file = MakeAudioFile(existing, kTrack);
    file.ExtractToTempFile(folder_);
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
    file.ExtractToTempFile(folder_);
    EXPECT_EQ(file.Data().Name(), folder_.Path() + L"Music");
    EXPECT_EQ(ReadFileBytes(folder_.Path() + L"Music"), kTrack);
}

TEST_F(AudioFileExtraction, AFileWithoutBytesIsLeftAlone) {
    QV_AudioFile file = MakeAudioFile(L"C:\\m\\silent.mp3", {});
    file.ExtractToTempFile(folder_);
    EXPECT_EQ(file.Data().Name(), L"C:\\m\\silent.mp3");
    EXPECT_TRUE(Entries().empty());
}

TEST_F(AudioFileExtraction, APathWithoutBackslashUsesTheWholeNameAsFileName) {
    QV_AudioFile file = MakeAudioFile(L"loop.ogg", kTrack);
    file.ExtractToTempFile(folder_);
    EXPECT_EQ(file.Data().Name(), folder_.Path() + L"loop.ogg");
    EXPECT_EQ(ReadFileBytes(folder_.Path() + L"loop.ogg"), kTrack);
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
    file.ExtractToTempFile(folder_);
    const std::wstring& target = file.Data().Name();
    ASSERT_EQ(target.compare(0, folder_.Path().size(), folder_.Path()), 0) << target;
    std::wstring name = target.substr(folder_.Path().size());
    EXPECT_EQ(name.find_first_of(L"\\/:"), std::wstring::npos) << name;
    std::wstring extension = GetParam().expectedExtension;
    EXPECT_GE(name.size(), extension.size() + 1);
    EXPECT_EQ(name.substr(name.size() - extension.size()), extension) << name;
    EXPECT_EQ(ReadFileBytes(target), kTrack);
    EXPECT_EQ(Tracks(), std::vector<std::wstring>{name});
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
    a.ExtractToTempFile(folder_);
    b.ExtractToTempFile(folder_);
    c.ExtractToTempFile(folder_);
    EXPECT_NE(a.Data().Name(), b.Data().Name());
    EXPECT_NE(b.Data().Name(), c.Data().Name());
    EXPECT_NE(a.Data().Name(), c.Data().Name());
    EXPECT_EQ(ReadFileBytes(a.Data().Name()), first);
    EXPECT_EQ(ReadFileBytes(b.Data().Name()), second);
    EXPECT_EQ(ReadFileBytes(c.Data().Name()), third);
    EXPECT_EQ(Tracks().size(), 3u);
}

TEST(TempFileNamesTest, NumberedNamesNeverMeetATakenName) {
    TempFileNames names;
    // The second track's name is what numbering would give the third.
    EXPECT_EQ(names.Claim(L"a\\x.mp3"), L"x.mp3");
    EXPECT_EQ(names.Claim(L"b\\x (2).mp3"), L"x (2).mp3");
    EXPECT_EQ(names.Claim(L"c\\x.mp3"), L"x (3).mp3");
    EXPECT_EQ(names.Claim(L"d\\x (2).mp3"), L"x (2) (2).mp3");
}

TEST(TempFileNamesTest, ThousandsOfTracksOfOneNameEachGetTheirOwn) {
    TempFileNames names;
    std::set<std::wstring> claimed;
    for (int i = 0; i < 5000; ++i) claimed.insert(names.Claim(i % 2 ? L"a\\Theme.mp3" : L"b\\THEME.MP3"));
    EXPECT_EQ(claimed.size(), 5000u);
    EXPECT_EQ(claimed.count(L"Theme (5000).mp3"), 1u);  // the last, of an odd i
}

TEST(TempFileNamesTest, GeneratedNamesAreDistinctToo) {
    TempFileNames names;
    std::wstring first = names.Claim(L"..");
    std::wstring second = names.Claim(L"D:\\");
    EXPECT_NE(first, second);
}

}  // namespace
}  // namespace vgtest
