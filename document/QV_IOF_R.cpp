#include "document/QV_IOF_R.h"

void QV_IOF_R<ResourceBuffer>::ReadBool(bool& value) {
    uint8_t byte = 0;
    if (buffer_->ReadValue(byte)) value = byte != 0;
}

void QV_IOF_R<ResourceBuffer>::ReadLong(long& value) {
    // long is 32 bits on Windows; read through a fixed-size value all the same.
    int32_t raw = 0;
    if (buffer_->ReadValue(raw)) value = raw;
}

bool QV_IOF_R<ResourceBuffer>::PeekString(uint32_t offset, std::wstring& text) const {
    // A copy of the cursor looks ahead; its failure stays with the copy.
    ResourceBuffer ahead = *buffer_;
    if (!ahead.Skip(offset)) return false;
    ParseWideString(ahead, text);
    return !ahead.Failed();
}
