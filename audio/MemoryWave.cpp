#include "audio/MemoryWave.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <new>

static_assert(sizeof(WAVEFORMATEX) == 18, "the format block is read as at most its 18 stored bytes");
// The plain PCM format block (PCMWAVEFORMAT), without the extra-size word: most files have it.
constexpr DWORD kPcmFormatBytes = 16;

namespace {

// Closes the memory file on every way out.
class MemoryFile {
public:
    MemoryFile(const unsigned char* bytes, uint32_t size) {
        MMIOINFO info = {};
        info.fccIOProc = FOURCC_MEM;
        // Opened for reading only: the bytes are never written.
        info.pchBuffer = reinterpret_cast<HPSTR>(const_cast<unsigned char*>(bytes));
        info.cchBuffer = static_cast<LONG>(size);
        handle_ = mmioOpenW(nullptr, &info, MMIO_READ);
    }
    ~MemoryFile() {
        if (handle_) mmioClose(handle_, 0);
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    HMMIO Handle() const { return handle_; }

private:
    HMMIO handle_ = nullptr;
};

const HRESULT kMalformed = HRESULT_FROM_WIN32(ERROR_INVALID_DATA);

// From the start of the file into the RIFF WAVE chunk and then into the named chunk.
HRESULT DescendTo(HMMIO file, FOURCC chunkId, MMCKINFO& chunk) {
    if (mmioSeek(file, 0, SEEK_SET) != 0) return kMalformed;
    MMCKINFO riff = {};
    riff.fccType = mmioStringToFOURCCW(L"WAVE", 0);
    if (mmioDescend(file, &riff, nullptr, MMIO_FINDRIFF) != MMSYSERR_NOERROR) return kMalformed;
    chunk = {};
    chunk.ckid = chunkId;
    if (mmioDescend(file, &chunk, &riff, MMIO_FINDCHUNK) != MMSYSERR_NOERROR) return kMalformed;
    return S_OK;
}

// Whether the chunk's announced bytes lie inside the file.
bool ChunkFits(const MMCKINFO& chunk, uint32_t fileSize) {
    return chunk.dwDataOffset <= fileSize && chunk.cksize <= fileSize - chunk.dwDataOffset;
}

}  // namespace

HRESULT MemoryWave::Read(const unsigned char* bytes, uint32_t size) {
    format_ = {};
    samples_.clear();
    if (!bytes || size == 0 || size > 0x7fffffff) return kMalformed;
    MemoryFile file(bytes, size);
    if (!file.Handle()) return kMalformed;

    MMCKINFO chunk = {};
    HRESULT hr = DescendTo(file.Handle(), mmioStringToFOURCCW(L"fmt", 0), chunk);
    if (FAILED(hr)) return hr;
    if (chunk.cksize < kPcmFormatBytes || !ChunkFits(chunk, size)) return kMalformed;
    WAVEFORMATEX format = {};
    const LONG formatSize = static_cast<LONG>(std::min<DWORD>(chunk.cksize, sizeof(format)));
    if (mmioRead(file.Handle(), reinterpret_cast<HPSTR>(&format), formatSize) != formatSize) {
        return kMalformed;
    }
    // Nothing follows what was read, so no reader of the format may look for more.
    format.cbSize = 0;
    if (format.nAvgBytesPerSec == 0) return kMalformed;

    hr = DescendTo(file.Handle(), mmioStringToFOURCCW(L"data", 0), chunk);
    if (FAILED(hr)) return hr;
    if (!ChunkFits(chunk, size)) return kMalformed;
    std::vector<unsigned char> samples;
    try {
        samples.resize(chunk.cksize);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    LONG dataSize = static_cast<LONG>(chunk.cksize);
    if (dataSize && mmioRead(file.Handle(), reinterpret_cast<HPSTR>(samples.data()), dataSize) != dataSize) {
        return kMalformed;
    }
    format_ = format;
    samples_.swap(samples);
    return S_OK;
}

int32_t MemoryWave::LengthInHundredths() const {
    if (format_.nAvgBytesPerSec == 0) return 0;
    // The product wraps as a 32-bit unsigned value; the division is in floating point.
    uint32_t scaled = static_cast<uint32_t>(samples_.size()) * 100u;
    float seconds = static_cast<float>(scaled) / static_cast<float>(format_.nAvgBytesPerSec);
    float rounded = std::floor(seconds + 0.5f);
    if (rounded >= 2147483647.0f) return INT32_MAX;
    return static_cast<int32_t>(rounded);
}
