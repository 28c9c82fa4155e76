#pragma once
// A named, owned byte buffer as the scene document stores it.
#include <cstdint>
#include <string>

class DataBlob {
public:
    DataBlob() = default;
    DataBlob(const DataBlob& other);
    DataBlob& operator=(const DataBlob& other);
    virtual ~DataBlob();

    // A different name drops the bytes; the same name keeps them.
    void SetName(const std::wstring& name);
    void SetBytes(uint32_t count, const void* source);
    void Clear();

    const std::wstring& Name() const { return name_; }
    // The name as the archive fills it: reading a name keeps the bytes.
    std::wstring& MutableName() { return name_; }
    const unsigned char* Bytes() const { return bytes_; }
    uint32_t Size() const { return size_; }

protected:
    std::wstring name_;
    unsigned char* bytes_ = nullptr;
    uint32_t size_ = 0;
};
