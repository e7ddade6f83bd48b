#include "gfx/codecs/FileSystem.h"

#include "gfx/Cp1251.h"
#include "gfx/GfxError.h"

#include <windows.h>

#include <string>

namespace ix::gfx::codecs {

namespace {

// The UTF-16 form of a Windows-1251 name, whatever the system's ANSI code page is.
std::wstring Wide(std::string_view cp1251Name)
{
    if (cp1251Name.empty() || cp1251Name.size() > 32767 || cp1251Name.find('\0') != std::string_view::npos)
        throw GfxError("bad file name");
    const std::u16string utf16 = gfx::Cp1251ToUtf16(cp1251Name);
    return std::wstring(utf16.begin(), utf16.end());
}

DWORD Attributes(std::string_view cp1251Name)
{
    try {
        return GetFileAttributesW(Wide(cp1251Name).c_str());
    } catch (const GfxError&) {
        return INVALID_FILE_ATTRIBUTES;
    }
}

struct Handle {
    HANDLE h = INVALID_HANDLE_VALUE;
    ~Handle()
    {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
};

} // namespace

bool FileExists(std::string_view cp1251Name)
{
    const DWORD a = Attributes(cp1251Name);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(std::string_view cp1251Name)
{
    const DWORD a = Attributes(cp1251Name);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

Bytes ReadWholeFile(std::string_view cp1251Name)
{
    Handle file;
    file.h = CreateFileW(Wide(cp1251Name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file.h == INVALID_HANDLE_VALUE) throw GfxError("cannot open " + std::string(cp1251Name));
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.h, &size)) throw GfxError("cannot read " + std::string(cp1251Name));
    if (size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > kMaxFileBytes) throw GfxError("file too large");
    Bytes bytes;
    try {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        throw GfxError("file too large");
    }
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!ReadFile(file.h, bytes.data() + done, want, &got, nullptr) || got == 0)
            throw GfxError("cannot read " + std::string(cp1251Name));
        done += got;
    }
    return bytes;
}

void WriteWholeFile(std::string_view cp1251Name, ByteView bytes)
{
    Handle file;
    file.h = CreateFileW(Wide(cp1251Name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file.h == INVALID_HANDLE_VALUE) throw GfxError("cannot create " + std::string(cp1251Name));
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD wrote = 0;
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        if (!WriteFile(file.h, bytes.data() + done, want, &wrote, nullptr) || wrote == 0)
            throw GfxError("cannot write " + std::string(cp1251Name));
        done += wrote;
    }
}

} // namespace ix::gfx::codecs
