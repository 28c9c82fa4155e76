#include "Mp3Writer.h"

#include <cstddef>

namespace sounds {

namespace {

constexpr int kFrameBytes = 144 * 64000 / kMp3Rate;
constexpr int kLine = 8;
// Requantised, a line of value 1 is 2^((gain - 210) / 4): 200 gives about 0.18.
constexpr uint32_t kGlobalGain = 200;

class BitWriter {
public:
    void Put(uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            if (used_ % 8 == 0) bytes_.push_back(0);
            if ((value >> i) & 1) bytes_.back() |= uint8_t(0x80 >> (used_ % 8));
            ++used_;
        }
    }
    int Bits() const { return used_; }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
    int used_ = 0;
};

// A granule's spectrum: lines 0 to kLine in the count1 region, four lines a code of count1
// table B (four bits, each the inverse of a line's magnitude 0 or 1), then the sign of the
// one line that is set. No scale factors (scalefac_compress 0) and no big values.
void WriteGranule(BitWriter& out, bool negative) {
    for (int quad = 0; quad <= kLine / 4; ++quad) {
        const bool holdsLine = quad == kLine / 4;
        const uint32_t magnitudes = holdsLine ? 8u >> (kLine % 4) : 0u;
        out.Put(~magnitudes & 0xF, 4);
        if (holdsLine) out.Put(negative ? 1 : 0, 1);
    }
}

// A steady tone moves the line's phase by (2 × kLine + 1) × 90 degrees a granule; the signs
// follow cos(45° + that phase), so the decoded granules join into one sine.
bool NegativeAt(int granule) {
    const int eighths = (1 + 2 * granule * (2 * kLine + 1)) % 8;
    return eighths == 3 || eighths == 5;
}

void WriteSideInfo(BitWriter& out, int granuleBits) {
    out.Put(0, 9);  // main_data_begin: each frame carries its own data
    out.Put(0, 5);  // private bits
    out.Put(0, 4);  // scfsi
    for (int granule = 0; granule < 2; ++granule) {
        out.Put(uint32_t(granuleBits), 12);  // part2_3_length
        out.Put(0, 9);                        // big_values
        out.Put(kGlobalGain, 8);
        out.Put(0, 4);   // scalefac_compress
        out.Put(0, 1);   // window_switching_flag: long blocks
        out.Put(0, 15);  // three table_select
        out.Put(0, 4);   // region0_count
        out.Put(0, 3);   // region1_count
        out.Put(0, 1);   // preflag
        out.Put(0, 1);   // scalefac_scale
        out.Put(1, 1);   // count1table_select: table B
    }
}

}  // namespace

std::vector<uint8_t> MakeMp3Tone(int frames) {
    std::vector<uint8_t> file;
    for (int frame = 0; frame < frames; ++frame) {
        BitWriter data;
        WriteGranule(data, NegativeAt(2 * frame));
        const int granuleBits = data.Bits();
        WriteGranule(data, NegativeAt(2 * frame + 1));
        BitWriter side;
        WriteSideInfo(side, granuleBits);
        // Sync, MPEG-1, Layer III, no CRC; 64 kbit/s, 48 kHz, no padding; mono.
        const uint8_t header[4] = {0xFF, 0xFB, 0x54, 0xC0};
        const size_t start = file.size();
        file.insert(file.end(), header, header + 4);
        file.insert(file.end(), side.Bytes().begin(), side.Bytes().end());
        file.insert(file.end(), data.Bytes().begin(), data.Bytes().end());
        file.resize(start + kFrameBytes, 0);
    }
    return file;
}

}  // namespace sounds
