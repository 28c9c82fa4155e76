#pragma once
// The composite value forms of the scene document, read from a bounded ResourceBuffer.
#include <windows.h>
#include <cstdint>
#include <string>
#include <vector>

#include "document/DataBlob.h"
#include "document/EmbeddedFile.h"
#include "document/ResourceBuffer.h"

class QV_IOF_Virtual;

// Three marker bytes (not compared), a length of 1, 3 or 7 bytes, then UTF-16LE units.
// A zero length leaves the target as it was. Returns the bytes consumed; on overrun the
// buffer fails and the target is untouched.
size_t ParseWideString(ResourceBuffer& buffer, std::wstring& target);
// uint32 size, the bytes, then the name string.
void ReadBlob(ResourceBuffer& buffer, DataBlob& blob);
// int32 id, module string, uint32 size, the bytes, name string. Returns the bytes consumed.
size_t ParseEmbeddedFile(ResourceBuffer& buffer, EmbeddedFile& file);
void ReadIntPair(ResourceBuffer& buffer, POINT& point);
// uint32 count, then that many uint32 values.
void ReadUIntVector(std::vector<uint32_t>& values, ResourceBuffer& buffer);

// A GUID stored as its 38-character text in braces.
void ReadGuid(QV_IOF_Virtual& archive, GUID& guid);
void WriteGuid(QV_IOF_Virtual& archive, GUID& guid);

// The text after the last backslash; empty for a path without one.
std::wstring GetFileNameOfPath(const std::wstring& path);
