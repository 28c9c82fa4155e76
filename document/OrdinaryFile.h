#pragma once
// Files that a document names by path: data to read, never a device, pipe or folder.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The whole file when it is an ordinary file on a disk of 1 to maxBytes bytes; otherwise
// nothing, so that a stored path never makes the reader wait on a device or take a huge file.
std::vector<BYTE> ReadOrdinaryFile(const std::wstring& path, uint64_t maxBytes);
