#pragma once
// A record section's fields are stated once, in one function over a FieldArchive, and that
// function both reads and writes them: Load runs it reading, Save runs it writing. Writing
// always happens at the newest version, so a version gate in the field list
// (`if (ar.Version() >= 3)`) is passed by every write and only ever skips fields on reading.
//
// A section nested in another (a base's, a member's) is read and written with its head:
//
//     // The registry has read the head; Save writes it.
//     void Fog::Load(QV_IOF_Virtual& archive, uint32_t version) { Fields(FieldArchive::Reader(archive, version)); }
//     void Fog::Save(QV_IOF_Virtual& archive) { TaggedFields(FieldArchive::Writer(archive)); }
//     void Fog::TaggedFields(FieldArchive outer) { Fields(outer.Section(L"QV_FogConstructor", kRecordVersion)); }
//     void Fog::Fields(FieldArchive ar) {
//         ar.Value(maxSpeedX);
//         if (ar.Version() >= 2) ar.Param(size);
//         QV_BaseSpriteProp::TaggedFields(ar);
//     }
//
// Reading keeps the archive's rule: a failed read leaves the field as it was. Parameters read
// silently unless marked Notified, which lets their observers (and a scaled value's own result)
// follow.
#include <windows.h>
#include <d3dx9.h>

#include <cstdint>
#include <string>
#include <vector>

#include "document/ArchiveValues.h"
#include "document/GuidKey.h"
#include "document/MediaParamT.h"
#include "document/QV_IOF_Virtual.h"

// How a parameter's value lies in the document.
template <class T>
struct StoredParamForm {
    using Type = T;
};
template <>
struct StoredParamForm<int> {
    using Type = long;
};
template <>
struct StoredParamForm<unsigned long> {
    using Type = uint32_t;  // a colour, red in the low byte
};

class FieldArchive {
public:
    // Load's archive: the section's head has been read and gave `version`.
    static FieldArchive Reader(QV_IOF_Virtual& archive, uint32_t version) {
        return FieldArchive(archive, true, version);
    }
    // Save's archive, outside any section: the record's own head is written by its Section.
    static FieldArchive Writer(QV_IOF_Virtual& archive) { return FieldArchive(archive, false, 0); }

    bool Reading() const { return reading_; }
    // The section's version: the stored one when reading, the newest when writing.
    uint32_t Version() const { return version_; }
    // For a read that only old versions store (they are never written) and for the bounds.
    QV_IOF_Virtual& Archive() const { return archive_; }

    // A section's head, read or written at the newest version, and the archive of its fields.
    FieldArchive Section(const wchar_t* tag, uint32_t newestVersion) const {
        if (reading_) return FieldArchive(archive_, true, archive_.ReadSectionHead());
        archive_.WriteSectionHead(tag, int32_t(newestVersion));
        return FieldArchive(archive_, false, newestVersion);
    }

    void Value(float& value) { reading_ ? archive_.ReadFloat(value) : archive_.WriteFloat(value); }
    void Value(int32_t& value) { reading_ ? archive_.ReadInt(value) : archive_.WriteInt(value); }
    void Value(uint32_t& value) { reading_ ? archive_.ReadUInt(value) : archive_.WriteUInt(value); }
    void Value(long& value) { reading_ ? archive_.ReadLong(value) : archive_.WriteLong(value); }
    void Value(int64_t& value) { reading_ ? archive_.ReadInt64(value) : archive_.WriteInt64(value); }
    void Value(bool& value) { reading_ ? archive_.ReadBool(value) : archive_.WriteBool(value); }
    void Value(char& value) { reading_ ? archive_.ReadByte(value) : archive_.WriteByte(value); }
    void Value(POINT& value) { reading_ ? archive_.ReadPoint(value) : archive_.WritePoint(value); }
    void Value(std::wstring& value) { reading_ ? archive_.ReadString(value) : archive_.WriteString(value); }
    void Value(DataBlob& value) { reading_ ? archive_.ReadBlob(value) : archive_.WriteBlob(value); }
    void Value(EmbeddedFile& value) {
        reading_ ? archive_.ReadEmbeddedFile(value) : archive_.WriteEmbeddedFile(value);
    }
    // A GUID stored as its text in braces.
    void Guid(GUID& value) { reading_ ? ReadGuid(archive_, value) : WriteGuid(archive_, value); }
    // A GUID key: its GUID as text, its name, its flag as one byte.
    void Key(GuidKey& key) {
        Guid(key.id);
        Value(key.name);
        char flag = char(key.flag);
        Value(flag);
        if (reading_) key.flag = static_cast<unsigned char>(flag);
    }
    // A D3DXVECTOR3 as three floats, x first.
    void Value(D3DXVECTOR3& value) {
        Value(value.x);
        Value(value.y);
        Value(value.z);
    }

    // A parameter stored as its value's stored form: int as long, unsigned int as uint32, a
    // colour (unsigned long) as uint32, a point as three floats.
    template <class T>
    void Param(MediaParamTB<T>& param) {
        StoredFormOf<T> stored = StoredFormOf<T>(param.Value());
        Value(stored);
        if (reading_) param.SetSilently(T(stored));
    }
    // Read with notification; written like any parameter.
    template <class T>
    void Notified(MediaParamTB<T>& param) {
        StoredFormOf<T> stored = StoredFormOf<T>(param.Value());
        Value(stored);
        if (reading_) param.Assign(T(stored), nullptr);
    }

    // A list's count: written from `size`, or read and held to what the bytes left and the
    // document's entry budget allow (a refused count fails the archive and gives 0).
    uint32_t Count(size_t size, uint32_t minEntryBytes) {
        if (reading_) return archive_.ReadCount(minEntryBytes);
        int32_t count = int32_t(size);
        archive_.WriteInt(count);
        return uint32_t(count);
    }

    // A list stored as its count and its entries, each through `fields(entry)`. Writing takes
    // copies of the entries; reading makes each from Entry{} and hands it to `add` once read
    // whole, and stops at the first entry the archive could not give, keeping those before it.
    template <class Entries, class Fields, class Add>
    void List(const Entries& entries, uint32_t minEntryBytes, Fields fields, Add add) {
        using Entry = typename Entries::value_type;
        const uint32_t count = Count(entries.size(), minEntryBytes);
        if (!reading_) {
            for (Entry entry : entries) fields(entry);
            return;
        }
        for (uint32_t i = 0; i < count; ++i) {
            Entry entry{};
            fields(entry);
            if (archive_.Failed()) return;
            add(std::move(entry));
        }
    }
    template <class Entry, class Fields>
    void List(std::vector<Entry>& entries, uint32_t minEntryBytes, Fields fields) {
        List(entries, minEntryBytes, fields, [&entries](Entry&& entry) { entries.push_back(std::move(entry)); });
    }

private:
    FieldArchive(QV_IOF_Virtual& archive, bool reading, uint32_t version)
        : archive_(archive), reading_(reading), version_(version) {}

    template <class T>
    using StoredFormOf = typename StoredParamForm<T>::Type;

    QV_IOF_Virtual& archive_;
    bool reading_;
    uint32_t version_;
};
