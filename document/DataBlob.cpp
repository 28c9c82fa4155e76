#include "document/DataBlob.h"

#include <cstring>

DataBlob::DataBlob(const DataBlob& other) : name_(other.name_) {
    SetBytes(other.size_, other.bytes_);
}

DataBlob& DataBlob::operator=(const DataBlob& other) {
    if (this != &other) {
        name_ = other.name_;
        SetBytes(other.size_, other.bytes_);
    }
    return *this;
}

DataBlob::~DataBlob() { delete[] bytes_; }

void DataBlob::SetName(const std::wstring& name) {
    if (name == name_) return;
    Clear();
    name_ = name;
}

void DataBlob::SetBytes(uint32_t count, const void* source) {
    unsigned char* copy = nullptr;
    if (count) {
        copy = new unsigned char[count];
        std::memcpy(copy, source, count);
    }
    delete[] bytes_;
    bytes_ = copy;
    size_ = count;
}

void DataBlob::Clear() { SetBytes(0, nullptr); }
