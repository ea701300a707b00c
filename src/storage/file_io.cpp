#include "storage/file_io.h"

#include <cerrno>
#include <filesystem>

#include "storage/storage_error.h"

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#define QUELVANE_HAVE_FSYNC 1
#endif

namespace {

[[noreturn]] void ThrowIoError(int errorNumber) {
    throw StorageError(IoErrorText(errorNumber));
}

// errno after a failed stdio call; 5 (EIO) when the library left no reason.
int LastError() {
    return errno != 0 ? errno : EIO;
}

bool IsFolder(const std::string& path) {
    std::error_code ec;
    return std::filesystem::is_directory(path, ec);
}

// A folder or an empty name is refused the same way as a file that cannot be opened.
std::FILE* OpenFile(const std::string& path, const char* mode) {
    if (path.empty() || IsFolder(path))
        return nullptr;
    return std::fopen(path.c_str(), mode);
}

// The file is let go of even when closing fails, so it is never closed twice.
void CloseOrThrow(std::FILE*& file) {
    std::FILE* closing = file;
    file = nullptr;
    errno = 0;
    if (closing != nullptr && std::fclose(closing) != 0)
        ThrowIoError(LastError());
}

} // namespace

std::string IoErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return "Disk full";
    case EACCES:
    case EPERM:
    case EROFS:
        return "File access denied";
    case ENOENT:
        return "File not found";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

// ---- Reading ---------------------------------------------------------------------------------

std::unique_ptr<InFile> InFile::Open(const std::string& path) {
    std::FILE* file = OpenFile(path, "rb");
    if (file == nullptr)
        return nullptr;
    return std::unique_ptr<InFile>(new InFile(file));
}

InFile::~InFile() {
    if (file_ != nullptr)
        std::fclose(file_);
}

bool InFile::ReadLine(std::string& line) {
    line.clear();
    errno = 0;
    int c = std::getc(file_);
    if (c == EOF) {
        if (std::ferror(file_))
            ThrowIoError(LastError());
        return false;
    }
    while (c != EOF && c != '\n' && c != '\r') {
        line.push_back(static_cast<char>(c));
        c = std::getc(file_);
    }
    if (c == '\r') {
        c = std::getc(file_);
        if (c != '\n' && c != EOF)
            std::ungetc(c, file_);
    }
    if (c == EOF && std::ferror(file_))
        ThrowIoError(LastError());
    return true;
}

size_t InFile::Read(uint8_t* data, size_t size) {
    errno = 0;
    const size_t got = std::fread(data, 1, size, file_);
    if (got < size && std::ferror(file_))
        ThrowIoError(LastError());
    return got;
}

void InFile::Close() {
    CloseOrThrow(file_);
}

// ---- Writing ---------------------------------------------------------------------------------

std::unique_ptr<OutFile> OutFile::Create(const std::string& path) {
    std::FILE* file = OpenFile(path, "wb");
    if (file == nullptr)
        return nullptr;
    return std::unique_ptr<OutFile>(new OutFile(file));
}

OutFile::~OutFile() {
    if (file_ != nullptr)
        std::fclose(file_);
}

void OutFile::Write(const std::string& text) {
    Write(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

void OutFile::Write(std::span<const uint8_t> bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        ThrowIoError(LastError());
}

void OutFile::Flush() {
    errno = 0;
    if (std::fflush(file_) != 0)
        ThrowIoError(LastError());
}

void OutFile::Close() {
    CloseOrThrow(file_);
}

// ---- Replacing a whole file ------------------------------------------------------------------

namespace {

void WriteDurably(const std::string& tempPath, std::span<const uint8_t> bytes) {
    errno = 0;
    std::FILE* file = std::fopen(tempPath.c_str(), "wb");
    if (file == nullptr)
        ThrowIoError(LastError());
    int error = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size() || std::fflush(file) != 0)
        error = LastError();
#ifdef QUELVANE_HAVE_FSYNC
    // Without this a crash soon after the rename could leave the new name on an empty file.
    if (error == 0 && ::fsync(::fileno(file)) != 0 && errno != EINVAL)
        error = LastError();
#endif
    errno = 0;
    if (std::fclose(file) != 0 && error == 0)
        error = LastError();
    if (error != 0)
        ThrowIoError(error);
}

} // namespace

void ReplaceFileVia(const std::string& path, const std::string& tempPath,
                    std::span<const uint8_t> bytes) {
    try {
        WriteDurably(tempPath, bytes);
        errno = 0;
        if (std::rename(tempPath.c_str(), path.c_str()) != 0)
            ThrowIoError(LastError());
    } catch (const StorageError&) {
        std::error_code ec;
        std::filesystem::remove(tempPath, ec);
        throw;
    }
}

void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    ReplaceFileVia(path, path + ".tmp", bytes);
}

// ---- Record files ----------------------------------------------------------------------------

std::optional<std::vector<uint8_t>> ReadLastRecord(const std::string& path, size_t recordSize) {
    auto file = InFile::Open(path);
    if (!file)
        return std::nullopt;
    std::vector<uint8_t> kept;
    // Each record lands in a scratch buffer first, so a partial record at the end never
    // overwrites the whole one before it.
    std::vector<uint8_t> scratch(recordSize);
    while (recordSize > 0 && file->Read(scratch.data(), recordSize) == recordSize)
        kept = scratch;
    file->Close();
    return kept;
}
