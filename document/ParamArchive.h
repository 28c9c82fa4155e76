#pragma once
// Parameters have no section of their own: owners read and write their raw values in place.
// Reading stores without notification; a failed read leaves the value as it was.
#include "document/MediaParamT.h"
#include "document/QV_IOF_Virtual.h"

inline void ReadLongParam(QV_IOF_Virtual& archive, MediaParamTB<int>& param) {
    long value = param.Value();
    archive.ReadLong(value);
    param.SetSilently(int(value));
}

inline void ReadUIntParam(QV_IOF_Virtual& archive, MediaParamTB<unsigned int>& param) {
    uint32_t value = param.Value();
    archive.ReadUInt(value);
    param.SetSilently(value);
}

// Stored with notification, so observers (and a scaled value's own result) follow.
inline void ReadUIntParamNotified(QV_IOF_Virtual& archive, MediaParamTB<unsigned int>& param) {
    uint32_t value = param.Value();
    archive.ReadUInt(value);
    param.Assign(value, nullptr);
}

// A stored colour (COLORREF, red in the low byte) as its 32 bits.
inline void ReadColourParam(QV_IOF_Virtual& archive, MediaParamTB<unsigned long>& param) {
    uint32_t value = uint32_t(param.Value());
    archive.ReadUInt(value);
    param.SetSilently(value);
}

inline void WriteColourParam(QV_IOF_Virtual& archive, const MediaParamTB<unsigned long>& param) {
    uint32_t value = uint32_t(param.Value());
    archive.WriteUInt(value);
}

inline void WriteLongParam(QV_IOF_Virtual& archive, const MediaParamTB<int>& param) {
    long value = param.Value();
    archive.WriteLong(value);
}

inline void WriteUIntParam(QV_IOF_Virtual& archive, const MediaParamTB<unsigned int>& param) {
    uint32_t value = param.Value();
    archive.WriteUInt(value);
}

// A point as three floats, x first, stored without notification.
inline void ReadVectorParam(QV_IOF_Virtual& archive, MediaParamTB<D3DXVECTOR3>& param) {
    D3DXVECTOR3 value = param.Value();
    archive.ReadFloat(value.x);
    archive.ReadFloat(value.y);
    archive.ReadFloat(value.z);
    param.SetSilently(value);
}

inline void WriteVectorParam(QV_IOF_Virtual& archive, const MediaParamTB<D3DXVECTOR3>& param) {
    D3DXVECTOR3 value = param.Value();
    archive.WriteFloat(value.x);
    archive.WriteFloat(value.y);
    archive.WriteFloat(value.z);
}
