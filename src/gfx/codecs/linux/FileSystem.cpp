#include "gfx/codecs/FileSystem.h"

#include "gfx/Cp1251.h"
#include "gfx/GfxError.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace ix::gfx::codecs {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

bool StatIs(std::string_view cp1251Name, mode_t kind)
{
    if (cp1251Name.empty() || cp1251Name.find('\0') != std::string_view::npos) return false;
    struct stat st {};
    return ::stat(gfx::Cp1251ToUtf8(cp1251Name).c_str(), &st) == 0 && (st.st_mode & S_IFMT) == kind;
}

[[noreturn]] void Fail(const char* what, std::string_view name)
{
    throw GfxError(std::string(what) + " " + std::string(name) + ": " + std::strerror(errno));
}

} // namespace

bool FileExists(std::string_view cp1251Name) { return StatIs(cp1251Name, S_IFREG); }
bool FolderExists(std::string_view cp1251Name) { return StatIs(cp1251Name, S_IFDIR); }

Bytes ReadWholeFile(std::string_view cp1251Name)
{
    if (!FileExists(cp1251Name)) throw GfxError("cannot open " + std::string(cp1251Name));
    File f(std::fopen(gfx::Cp1251ToUtf8(cp1251Name).c_str(), "rb"));
    if (!f) Fail("cannot open", cp1251Name);
    struct stat st {};
    if (::fstat(::fileno(f.get()), &st) != 0) Fail("cannot read", cp1251Name);
    if (st.st_size < 0 || static_cast<std::uint64_t>(st.st_size) > kMaxFileBytes) throw GfxError("file too large");
    Bytes bytes;
    try {
        bytes.resize(static_cast<std::size_t>(st.st_size));
    } catch (const std::bad_alloc&) {
        throw GfxError("file too large");
    }
    if (!bytes.empty() && std::fread(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) Fail("cannot read", cp1251Name);
    return bytes;
}

void WriteWholeFile(std::string_view cp1251Name, ByteView bytes)
{
    if (cp1251Name.empty() || cp1251Name.find('\0') != std::string_view::npos) throw GfxError("bad file name");
    File f(std::fopen(gfx::Cp1251ToUtf8(cp1251Name).c_str(), "wb"));
    if (!f) Fail("cannot create", cp1251Name);
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) != bytes.size()) Fail("cannot write", cp1251Name);
    std::FILE* raw = f.release();
    if (std::fclose(raw) != 0) Fail("cannot write", cp1251Name);
}

} // namespace ix::gfx::codecs
