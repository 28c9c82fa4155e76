#pragma once
// The abstract archive every document class reads its fields through. The slot order is
// fixed: destructor, the eleven writes, then the eleven reads in the same order.
#include <windows.h>
#include <algorithm>
#include <cstdint>
#include <string>

class DataBlob;
class EmbeddedFile;

class QV_IOF_Virtual {
public:
    virtual ~QV_IOF_Virtual() = default;

    virtual void WriteEmbeddedFile(EmbeddedFile& value) = 0;
    virtual void WriteBlob(DataBlob& value) = 0;
    virtual void WriteString(std::wstring& value) = 0;
    virtual void WriteInt64(int64_t& value) = 0;
    virtual void WriteFloat(float& value) = 0;
    virtual void WritePoint(POINT& value) = 0;
    virtual void WriteInt(int32_t& value) = 0;
    virtual void WriteUInt(uint32_t& value) = 0;
    virtual void WriteByte(char& value) = 0;
    virtual void WriteBool(bool& value) = 0;
    virtual void WriteLong(long& value) = 0;

    virtual void ReadEmbeddedFile(EmbeddedFile& value) = 0;
    virtual void ReadBlob(DataBlob& value) = 0;
    virtual void ReadString(std::wstring& value) = 0;
    virtual void ReadInt64(int64_t& value) = 0;
    virtual void ReadFloat(float& value) = 0;
    virtual void ReadPoint(POINT& value) = 0;
    virtual void ReadInt(int32_t& value) = 0;
    virtual void ReadUInt(uint32_t& value) = 0;
    virtual void ReadByte(char& value) = 0;
    virtual void ReadBool(bool& value) = 0;
    virtual void ReadLong(long& value) = 0;

    // Bounds of the stream. A failed archive has met its end or a value it cannot take;
    // every read after that leaves its target as it was.
    virtual bool Failed() const = 0;
    virtual void MarkFailed() = 0;
    virtual uint64_t BytesLeft() const = 0;
    // The string that starts `offset` bytes ahead, read without moving or failing the
    // archive; false when no whole string stands there.
    virtual bool PeekString(uint32_t offset, std::wstring& text) const = 0;

    // The version of a section, which readers compare as an unsigned number.
    uint32_t ReadVersion() {
        int32_t version = 0;
        ReadInt(version);
        return uint32_t(version);
    }

    // The head of a section: its class tag, which readers never compare, and its version.
    uint32_t ReadSectionHead() {
        std::wstring tag;
        ReadString(tag);
        return ReadVersion();
    }
    void WriteSectionHead(const wchar_t* tag, int32_t version) {
        std::wstring text = tag;
        WriteString(text);
        WriteInt(version);
    }

    // A list count whose entries need at least minEntryBytes each. A count the bytes left
    // cannot hold, or one beyond what the lists read before it have left of the document's
    // entry budget, fails the archive and gives 0: lists are read entry by entry up to a
    // count both allow.
    uint32_t ReadCount(uint32_t minEntryBytes) {
        int32_t raw = 0;
        ReadInt(raw);
        uint32_t count = uint32_t(raw);
        if (Failed() || uint64_t(count) * minEntryBytes > BytesLeft() || count > kEntryBudget - listEntries_) {
            MarkFailed();
            return 0;
        }
        listEntries_ += count;
        return count;
    }

    // How many of the `asked` entries a record may make beyond its stored bytes (sprites, mesh
    // instances), its own cap already applied: what the lists and the asks read before it have
    // left of the budget. An ask never fails the archive, and it never takes the lists' share:
    // a list is refused only by the lists before it.
    uint32_t GrantEntries(uint32_t asked) {
        const uint32_t used = listEntries_ + grantedEntries_;
        const uint32_t granted = used < kEntryBudget ? std::min(asked, kEntryBudget - used) : 0;
        grantedEntries_ += granted;
        return granted;
    }

    // How many list entries (slides, objects, windows, files, frames...) one archive's
    // document may hold in all: tiny stored entries become objects many times their size, so
    // their number is what bounds the memory a document can take. The entries that records
    // ask for are given no more than this either.
    static constexpr uint32_t kEntryBudget = 1u << 18;

private:
    uint32_t listEntries_ = 0;
    uint32_t grantedEntries_ = 0;
};

// Smallest stored sizes, for ReadCount.
namespace ArchiveSize {
constexpr uint32_t kString = 4;        // FF FE FF and a zero length
constexpr uint32_t kSectionHead = 8;   // tag string and version
constexpr uint32_t kEmbeddedFile = 16;  // id, module string, size and name string
}  // namespace ArchiveSize
