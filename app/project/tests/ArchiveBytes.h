// Small helpers of the project tests: run a Serialize into bytes and back.
#pragma once

#include "framework/Portable.h"

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

inline Bytes StoreToBytes(const std::function<void(CArchive&)>& store)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        store(ar);
        ar.Close();
    }
    const ULONGLONG nLength = file.GetLength();
    Bytes bytes(static_cast<size_t>(nLength));
    file.SeekToBegin();
    if (nLength)
        file.Read(bytes.data(), static_cast<UINT>(nLength));
    return bytes;
}

inline void LoadFromBytes(const Bytes& bytes, const std::function<void(CArchive&)>& load)
{
    CMemFile file;
    if (!bytes.empty())
        file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    load(ar);
}

// Little-endian builders for hand-written expected files.
inline void PutDword(Bytes& b, unsigned long v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<unsigned char>((v >> (8 * i)) & 0xFF));
}
inline void PutWord(Bytes& b, unsigned v)
{
    b.push_back(static_cast<unsigned char>(v & 0xFF));
    b.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}
inline void PutString(Bytes& b, const std::string& s)
{
    b.push_back(static_cast<unsigned char>(s.size()));
    b.insert(b.end(), s.begin(), s.end());
}
