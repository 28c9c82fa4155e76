#include <gtest/gtest.h>

#include <cstring>

#include "WaveBytes.h"
#include "audio/MemoryWave.h"
#include "audio/SoundBuffer.h"
#include "audio/SoundDevice.h"

namespace vgtest {
namespace {

// Bytes that end exactly where an inaccessible page begins: a read past them faults.
class GuardedBytes {
public:
    explicit GuardedBytes(const Bytes& bytes) {
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        size_t page = info.dwPageSize;
        size_t span = (bytes.size() + page - 1) / page * page;
        base_ = static_cast<unsigned char*>(
            VirtualAlloc(nullptr, span + page, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE));
        DWORD old = 0;
        VirtualProtect(base_ + span, page, PAGE_NOACCESS, &old);
        data_ = base_ + span - bytes.size();
        if (!bytes.empty()) std::memcpy(data_, bytes.data(), bytes.size());
        size_ = static_cast<uint32_t>(bytes.size());
    }
    ~GuardedBytes() { VirtualFree(base_, 0, MEM_RELEASE); }
    GuardedBytes(const GuardedBytes&) = delete;
    GuardedBytes& operator=(const GuardedBytes&) = delete;
    const unsigned char* Data() const { return data_; }
    uint32_t Size() const { return size_; }

private:
    unsigned char* base_ = nullptr;
    unsigned char* data_ = nullptr;
    uint32_t size_ = 0;
};

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        window_ = CreateWindowExW(0, L"STATIC", L"sound", 0, 0, 0, 0, 0, nullptr, nullptr,
                                  nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
        HRESULT hr = device_.InitDirectSound(window_);
        ASSERT_EQ(hr, S_OK) << "DirectSound on the null device, hr=0x" << std::hex
                            << static_cast<unsigned long>(hr);
    }
    void TearDown() override {
        device_.ReleasePrimaryBuffer();
        device_.ReleaseDevice();
        DestroyWindow(window_);
    }

    // A sound made the way a sound object makes it.
    SoundBuffer Make(const Bytes& wave) {
        GuardedBytes bytes(wave);
        MemoryWave parsed;
        SoundBuffer buffer;
        if (SUCCEEDED(parsed.Read(bytes.Data(), bytes.Size()))) buffer.Create(device_, parsed);
        return buffer;
    }

    DWORD Status(const SoundBuffer& buffer) {
        DWORD status = 0;
        EXPECT_EQ(buffer.Get()->GetStatus(&status), S_OK);
        return status;
    }

    HWND window_ = nullptr;
    SoundDevice device_;
};

TEST_F(SoundTest, TheDeviceComesUpOnceWithALoopingPrimaryBuffer) {
    ASSERT_NE(device_.Device(), nullptr);
    ASSERT_NE(device_.PrimaryBuffer(), nullptr);
    EXPECT_EQ(device_.BufferFlags(), static_cast<DWORD>(DSBCAPS_STICKYFOCUS));
    DWORD status = 0;
    ASSERT_EQ(device_.PrimaryBuffer()->GetStatus(&status), S_OK);
    EXPECT_TRUE(status & DSBSTATUS_PLAYING);
    EXPECT_TRUE(status & DSBSTATUS_LOOPING);

    IDirectSound8* first = device_.Device();
    IDirectSoundBuffer* primary = device_.PrimaryBuffer();
    EXPECT_EQ(device_.InitDirectSound(window_), S_OK);
    EXPECT_EQ(device_.Device(), first);
    EXPECT_EQ(device_.PrimaryBuffer(), primary);
}

TEST_F(SoundTest, TheOverallLevelFollowsTheSettings) {
    struct Case {
        bool muted;
        uint32_t volume;
        LONG expected;
    } cases[] = {{false, 100, 0}, {false, 50, -2500}, {false, 0, -5000}, {true, 100, -10000}};
    for (const Case& c : cases) {
        EXPECT_EQ(SoundDevice::OverallVolume(c.muted, c.volume), c.expected) << c.volume;
        device_.SetOverallVolume(c.muted, c.volume);
        LONG applied = 1;
        ASSERT_EQ(device_.PrimaryBuffer()->GetVolume(&applied), S_OK);
        EXPECT_EQ(applied, c.expected) << "muted " << c.muted << " volume " << c.volume;
    }
}

TEST_F(SoundTest, ReleasingTheDeviceAndItsPrimaryBufferIsSafeTwice) {
    device_.ReleasePrimaryBuffer();
    device_.ReleaseDevice();
    device_.ReleasePrimaryBuffer();
    device_.ReleaseDevice();
    EXPECT_EQ(device_.Device(), nullptr);
    EXPECT_EQ(device_.PrimaryBuffer(), nullptr);
    device_.SetOverallVolume(false, 50);
}

TEST(SharedSoundDeviceTest, OneDeviceServesTheProcess) {
    EXPECT_EQ(&SoundDevice::Shared(), &SoundDevice::Shared());
}

// The plain 16-byte PCM block of most files, and the 18-byte one with its extra-size word.
TEST(MemoryWaveTest, ReadsFormatAndSamplesOfAGoodFile) {
    Bytes samples = SineSamples(22050, 2, 250);
    for (size_t formatBytes : {16, 18}) {
        SCOPED_TRACE(formatBytes);
        GuardedBytes bytes(RiffFile({{"fmt ", PcmFormat(22050, 2, 16, formatBytes)},
                                     {"LIST", Bytes(6, 'x')}, {"data", samples}}));
        MemoryWave wave;
        ASSERT_EQ(wave.Read(bytes.Data(), bytes.Size()), S_OK);
        EXPECT_EQ(wave.Format().wFormatTag, WAVE_FORMAT_PCM);
        EXPECT_EQ(wave.Format().nChannels, 2);
        EXPECT_EQ(wave.Format().nSamplesPerSec, 22050u);
        EXPECT_EQ(wave.Format().nAvgBytesPerSec, 88200u);
        EXPECT_EQ(wave.Format().nBlockAlign, 4);
        EXPECT_EQ(wave.Format().wBitsPerSample, 16);
        EXPECT_EQ(wave.Format().cbSize, 0);
        EXPECT_EQ(wave.Samples(), samples);
    }
}

TEST(MemoryWaveTest, LengthIsOnePlayInHundredthsOfASecond) {
    struct Case {
        size_t dataBytes;
        int32_t hundredths;
    } cases[] = {{88200, 100}, {44100, 50}, {882, 1}, {440, 0}, {1323, 2}};
    for (const Case& c : cases) {
        Bytes file = RiffFile({{"fmt ", PcmFormat(22050, 2, 16)}, {"data", Bytes(c.dataBytes, 0)}});
        MemoryWave wave;
        ASSERT_EQ(wave.Read(file.data(), static_cast<uint32_t>(file.size())), S_OK);
        EXPECT_EQ(wave.LengthInHundredths(), c.hundredths) << c.dataBytes << " bytes";
    }
}

TEST(MemoryWaveTest, ANonZeroExtraSizeIsNeverPassedOn) {
    Bytes format = PcmFormat(22050, 1, 16, 40);
    format[0] = 0xfe;  // an extensible format announcing 22 more bytes
    format[1] = 0xff;
    format[16] = 22;
    Bytes file = RiffFile({{"fmt ", format}, {"data", Bytes(100, 0)}});
    MemoryWave wave;
    ASSERT_EQ(wave.Read(file.data(), static_cast<uint32_t>(file.size())), S_OK);
    EXPECT_EQ(wave.Format().cbSize, 0);
}

// Broken WAVE bytes: each gives no format, no samples and a silent sound, and none is
// read beyond its last byte.
struct BrokenWave {
    const char* label;
    Bytes bytes;
};

Bytes Truncated(Bytes bytes, size_t keep) {
    bytes.resize(keep);
    return bytes;
}

std::vector<BrokenWave> BrokenWaves() {
    Bytes format = PcmFormat(22050, 1, 16);
    Bytes samples = SineSamples(22050, 1, 100);
    Bytes good = RiffFile({{"fmt ", format}, {"data", samples}});
    Bytes zeroRate = PcmFormat(22050, 1, 16);
    std::fill(zeroRate.begin() + 8, zeroRate.begin() + 12, 0);
    return {
        {"Empty", {}},
        {"NotRiff", Bytes(64, 'z')},
        {"RiffOfAnotherForm", RiffFile({{"fmt ", format}, {"data", samples}}, "AVI ")},
        {"MissingFormat", RiffFile({{"data", samples}})},
        {"MissingData", RiffFile({{"fmt ", format}})},
        {"DataLongerThanTheFile", RiffFile({{"fmt ", format}, {"data", samples, 100000}})},
        {"DataSizeAtTheLimit", RiffFile({{"fmt ", format}, {"data", samples, 0xfffffff0}})},
        {"FormatLongerThanTheFile", Truncated(RiffFile({{"fmt ", format, 18}}), 30)},
        {"FormatShorterThanPcm", RiffFile({{"fmt ", PcmFormat(22050, 1, 16, 15)}, {"data", samples}})},
        {"TinyFormatBlock", RiffFile({{"fmt ", Bytes(4, 1)}, {"data", samples}})},
        {"NoBytesPerSecond", RiffFile({{"fmt ", zeroRate}, {"data", samples}})},
        {"TruncatedInTheData", Truncated(good, good.size() - 7)},
        {"TruncatedInAChunkHead", Truncated(good, 12 + 8 + 18 + 4)},
        {"TruncatedInTheRiffHead", Truncated(good, 6)},
    };
}

class BrokenWaveTest : public SoundTest, public ::testing::WithParamInterface<BrokenWave> {};

void PrintTo(const BrokenWave& wave, std::ostream* out) { *out << wave.label; }

TEST_P(BrokenWaveTest, GivesASilentSound) {
    GuardedBytes bytes(GetParam().bytes);
    MemoryWave wave;
    EXPECT_TRUE(FAILED(wave.Read(bytes.Data(), bytes.Size())));
    EXPECT_TRUE(wave.Samples().empty());
    EXPECT_EQ(wave.Format().nAvgBytesPerSec, 0u);
    EXPECT_EQ(wave.LengthInHundredths(), 0);
    SoundBuffer buffer = Make(GetParam().bytes);
    EXPECT_FALSE(buffer);
    buffer.SetVolumeAndPan(10, 10);
    buffer.Stop();
    buffer.UpdatePlayback(SoundBuffer::kVisible, true);
}

INSTANTIATE_TEST_SUITE_P(MemoryWave, BrokenWaveTest, ::testing::ValuesIn(BrokenWaves()),
                         [](const ::testing::TestParamInfo<BrokenWave>& info) {
                             return std::string(info.param.label);
                         });

TEST_F(SoundTest, ABufferHoldsTheSamplesInTheWavesFormat) {
    Bytes samples = SineSamples(22050, 2, 200);
    SoundBuffer buffer = Make(RiffFile({{"fmt ", PcmFormat(22050, 2, 16)}, {"data", samples}}));
    ASSERT_TRUE(buffer);
    WAVEFORMATEX format = {};
    ASSERT_EQ(buffer.Get()->GetFormat(&format, sizeof(format), nullptr), S_OK);
    EXPECT_EQ(format.nSamplesPerSec, 22050u);
    EXPECT_EQ(format.nChannels, 2);
    DSBCAPS caps = {};
    caps.dwSize = sizeof(caps);
    ASSERT_EQ(buffer.Get()->GetCaps(&caps), S_OK);
    EXPECT_EQ(caps.dwBufferBytes, samples.size());
    EXPECT_TRUE(caps.dwFlags & DSBCAPS_CTRLVOLUME);
    EXPECT_TRUE(caps.dwFlags & DSBCAPS_CTRLPAN);
    EXPECT_TRUE(caps.dwFlags & DSBCAPS_STICKYFOCUS);

    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0, secondBytes = 0;
    ASSERT_EQ(buffer.Get()->Lock(0, 0, &first, &firstBytes, &second, &secondBytes,
                                 DSBLOCK_ENTIREBUFFER),
              S_OK);
    ASSERT_EQ(firstBytes, samples.size());
    EXPECT_EQ(std::memcmp(first, samples.data(), samples.size()), 0);
    buffer.Get()->Unlock(first, firstBytes, second, secondBytes);
}

TEST_F(SoundTest, WithoutADeviceNoBufferIsMade) {
    SoundDevice none;
    Bytes file = SineWave(22050, 1, 100);
    MemoryWave wave;
    ASSERT_EQ(wave.Read(file.data(), static_cast<uint32_t>(file.size())), S_OK);
    SoundBuffer buffer;
    EXPECT_TRUE(FAILED(buffer.Create(none, wave)));
    EXPECT_FALSE(buffer);
}

TEST_F(SoundTest, CopiesShareOneBuffer) {
    SoundBuffer buffer = Make(SineWave(22050, 1, 100));
    ASSERT_TRUE(buffer);
    SoundBuffer clone = buffer;
    EXPECT_EQ(clone.Get(), buffer.Get());
    buffer = SoundBuffer();
    ASSERT_TRUE(clone);
    DWORD status = 0;
    EXPECT_EQ(clone.Get()->GetStatus(&status), S_OK);
}

TEST_F(SoundTest, VolumeAndBalanceMapToTheBuffer) {
    struct Case {
        uint32_t volume, balance;
        LONG expectedVolume, expectedPan;
    } cases[] = {{100, 50, 0, 0}, {50, 0, -2500, -5000}, {0, 100, -5000, 5000}, {73, 51, -1350, 100}};
    SoundBuffer buffer = Make(SineWave(22050, 1, 100));
    ASSERT_TRUE(buffer);
    for (const Case& c : cases) {
        EXPECT_EQ(SoundBuffer::SoundVolume(c.volume), c.expectedVolume);
        EXPECT_EQ(SoundBuffer::SoundPan(c.balance), c.expectedPan);
        buffer.SetVolumeAndPan(c.volume, c.balance);
        LONG volume = 1, pan = 1;
        ASSERT_EQ(buffer.Get()->GetVolume(&volume), S_OK);
        ASSERT_EQ(buffer.Get()->GetPan(&pan), S_OK);
        EXPECT_EQ(volume, c.expectedVolume) << c.volume;
        EXPECT_EQ(pan, c.expectedPan) << c.balance;
    }
}

TEST_F(SoundTest, AVisibleTimeLineLoopsTheSoundUntilItTurnsHidden) {
    SoundBuffer buffer = Make(SineWave(22050, 1, 2000));
    ASSERT_TRUE(buffer);
    buffer.UpdatePlayback(SoundBuffer::kHidden, true);
    EXPECT_FALSE(Status(buffer) & DSBSTATUS_PLAYING);
    buffer.UpdatePlayback(SoundBuffer::kVisible, true);
    EXPECT_TRUE(Status(buffer) & DSBSTATUS_LOOPING);
    // Fading in or out keeps a looping sound going.
    for (int fading : {2, 3}) {
        buffer.UpdatePlayback(fading, true);
        EXPECT_TRUE(Status(buffer) & DSBSTATUS_PLAYING) << fading;
    }
    buffer.UpdatePlayback(SoundBuffer::kHidden, true);
    EXPECT_FALSE(Status(buffer) & DSBSTATUS_PLAYING);
}

TEST_F(SoundTest, ASoundPlayingOnceIsNotCutOff) {
    SoundBuffer buffer = Make(SineWave(22050, 1, 3000));
    ASSERT_TRUE(buffer);
    buffer.UpdatePlayback(SoundBuffer::kVisible, false);
    DWORD status = Status(buffer);
    EXPECT_TRUE(status & DSBSTATUS_PLAYING);
    EXPECT_FALSE(status & DSBSTATUS_LOOPING);
    buffer.UpdatePlayback(SoundBuffer::kHidden, false);
    EXPECT_TRUE(Status(buffer) & DSBSTATUS_PLAYING);
    buffer.Stop();
    EXPECT_FALSE(Status(buffer) & DSBSTATUS_PLAYING);
}

}  // namespace
}  // namespace vgtest
