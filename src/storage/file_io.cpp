// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/engine.h"
#include "storage/storage_error.h"

namespace {

constexpr size_t kReadChunk = 4096;
// A file that says it is shorter than one record (the files under /proc say they are empty)
// is read from the start, but never beyond this many records.
constexpr size_t kMaxRecordsStreamed = 16;
// Names tried for a temporary file before a save gives up: "<name>.tmp", "<name>.1.tmp", ...
constexpr int kTemporaryNames = 100;

[[noreturn]] void ThrowIoError(int errorNumber) {
    throw StorageError(IoErrorText(errorNumber));
}

int LastError() {
    return errno != 0 ? errno : EIO;
}

// An open for reading never waits: a pipe would wait for a writer, so it is opened without
// waiting and then refused with everything else that is not a regular file.
int OpenRegularForReading(const std::string& path, OpenOutcome& outcome) {
    outcome = OpenOutcome::Missing;
    if (path.empty())
        return -1;
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT && errno != ENOTDIR)
            outcome = OpenOutcome::Refused;
        return -1;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        outcome = OpenOutcome::Refused;
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    outcome = OpenOutcome::Opened;
    return fd;
}

// Reads up to size bytes at the file position; fewer only at the end of the file.
size_t ReadSome(int fd, uint8_t* data, size_t size) {
    size_t got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd, data + got, size - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            ThrowIoError(LastError());
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    return got;
}

void WriteAll(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            ThrowIoError(n < 0 ? LastError() : EIO);
        data += n;
        size -= static_cast<size_t>(n);
    }
}

// Closes a file opened by a reader; its outcome no longer matters once the bytes are in.
void CloseAfterReading(int fd) {
    ::close(fd);
}

// Keeps the descriptor closed on every path out of a reader.
struct FdGuard {
    int fd;
    ~FdGuard() {
        if (fd >= 0)
            CloseAfterReading(fd);
    }
};

std::vector<uint8_t> ReadRecordAt(int fd, off_t offset, size_t recordSize) {
    std::vector<uint8_t> record(recordSize);
    if (::lseek(fd, offset, SEEK_SET) < 0)
        ThrowIoError(LastError());
    if (ReadSome(fd, record.data(), recordSize) != recordSize)
        return {};
    return record;
}

// Each record lands in a scratch buffer first, so a partial record at the end never
// overwrites the whole one before it.
std::vector<uint8_t> StreamLastRecord(int fd, size_t recordSize) {
    std::vector<uint8_t> kept;
    std::vector<uint8_t> scratch(recordSize);
    for (size_t n = 0; n < kMaxRecordsStreamed; ++n) {
        if (ReadSome(fd, scratch.data(), recordSize) != recordSize)
            break;
        kept = scratch;
    }
    return kept;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Why the target of a replacement must be left alone (an error number), or 0 when it may be
// replaced: it is missing or a regular file. A link, a pipe or a folder under that name is
// somebody else's and stays as it is.
int TargetRefusal(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0)
        return errno == ENOENT ? 0 : LastError();
    if (!S_ISREG(info.st_mode))
        return S_ISDIR(info.st_mode) ? EISDIR : EACCES;
    return 0;
}

// True when there is no file at path or it is one we may write: a file the player made
// read-only stays as it is, although the folder would let a new one be renamed over it.
// Opening without O_TRUNC changes nothing in the file.
bool WritableOrMissing(const std::string& path) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT;
    ::close(fd);
    return true;
}

// Creates a temporary file that did not exist before, in the target's own folder so that
// the rename stays on one disk. O_EXCL never follows a link nor opens an existing entry.
// Returns -1, with errno set, when none can be made.
int CreateTemporaryFile(const std::string& path, std::string& tempPath) {
    for (int attempt = 0; attempt < kTemporaryNames; ++attempt) {
        tempPath = path;
        if (attempt > 0)
            tempPath += "." + std::to_string(attempt);
        tempPath += ".tmp";
        const int fd =
            ::open(tempPath.c_str(),
                   O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Without the sync a crash soon after the rename could leave the new name on an empty file.
void WriteDurably(int fd, std::span<const uint8_t> bytes) {
    WriteAll(fd, bytes.data(), bytes.size());
    if (::fsync(fd) != 0 && errno != EINVAL)
        ThrowIoError(LastError());
}

// The rename itself reaches the disk only with its folder.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
}

// Fills a temporary file made by CreateTemporaryFile and renames it over path. On any failure
// the temporary file is removed, whatever was at path stays whole, and the error is thrown.
void CommitTemporaryFile(int fd, const std::string& tempPath, const std::string& path,
                         std::span<const uint8_t> bytes) {
    try {
        WriteDurably(fd, bytes);
        const int closed = ::close(fd);
        fd = -1; // closed even when closing reported a failure
        if (closed != 0)
            ThrowIoError(LastError());
        if (std::rename(tempPath.c_str(), path.c_str()) != 0)
            ThrowIoError(LastError());
    } catch (const StorageError&) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempPath.c_str());
        throw;
    }
    SyncFolder(FolderOf(path));
}

} // namespace

std::string IoErrorText(int errorNumber) {
    switch (errorNumber) {
    case ENOSPC:
    case EFBIG: // the file may grow no further: to the player the disk is full
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
    case ENOTDIR:
        return "Path not found";
    default:
        return "I/O error " + std::to_string(errorNumber);
    }
}

std::string DataFileName(const std::string& name, const std::string& ext) {
    return CutName(name, 20) + CutName(ext, 4);
}

// ---- Text files ------------------------------------------------------------------------------

DataFile::~DataFile() {
    Release();
}

void DataFile::Release() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    buffer_.clear();
    bufferPos_ = 0;
    budget_ = 0;
    pushedBack_ = -1;
}

int DataFile::NextByte() {
    if (pushedBack_ >= 0) {
        const int c = pushedBack_;
        pushedBack_ = -1;
        return c;
    }
    if (bufferPos_ == buffer_.size()) {
        if (budget_ == 0)
            return -1;
        buffer_.resize(std::min(kReadChunk, budget_));
        const size_t got =
            ReadSome(fd_, reinterpret_cast<uint8_t*>(buffer_.data()), buffer_.size());
        buffer_.resize(got);
        bufferPos_ = 0;
        budget_ = got == 0 ? 0 : budget_ - got;
        if (got == 0)
            return -1;
    }
    return static_cast<unsigned char>(buffer_[bufferPos_++]);
}

bool OpenDataText(DataFile& dataText, const std::string& name, const std::string& ext,
                  size_t readLimit) {
    dataText.Release();
    OpenOutcome outcome;
    dataText.fd_ = OpenRegularForReading(DataFileName(name, ext), outcome);
    dataText.budget_ = readLimit;
    return dataText.IsOpen();
}

bool CreateDataText(DataFile& dataText, const std::string& name, const std::string& ext) {
    dataText.Release();
    const std::string path = DataFileName(name, ext);
    if (path.empty())
        return false;
    // Without waiting: a pipe with nobody reading it must not hold the game up.
    const int fd = ::open(path.c_str(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISFIFO(info.st_mode) || S_ISSOCK(info.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    dataText.fd_ = fd;
    return true;
}

bool ReadDataTextLine(DataFile& dataText, std::string& line) {
    line.clear();
    int c = dataText.NextByte();
    if (c < 0)
        return false;
    while (c >= 0 && c != '\n' && c != '\r') {
        line.push_back(static_cast<char>(c));
        c = dataText.NextByte();
    }
    if (c == '\r') {
        c = dataText.NextByte();
        if (c >= 0 && c != '\n')
            dataText.pushedBack_ = c;
    }
    return true;
}

void WriteDataText(DataFile& dataText, const std::string& text) {
    // One write per call: the text is with the operating system when this returns.
    WriteAll(dataText.fd_, reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

void CloseDataText(DataFile& dataText) {
    const int fd = dataText.fd_;
    dataText.fd_ = -1;
    dataText.Release();
    if (fd >= 0 && ::close(fd) != 0)
        ThrowIoError(LastError());
}

// ---- Record files and whole files ------------------------------------------------------------

FileBytes ReadLastRecord(const std::string& path, size_t recordSize) {
    FileBytes file;
    FdGuard guard{OpenRegularForReading(path, file.outcome)};
    if (guard.fd < 0 || recordSize == 0)
        return file;
    struct stat info {};
    if (::fstat(guard.fd, &info) != 0)
        ThrowIoError(LastError());
    const auto size = static_cast<size_t>(info.st_size);
    if (size >= recordSize)
        file.bytes = ReadRecordAt(
            guard.fd, static_cast<off_t>((size / recordSize - 1) * recordSize), recordSize);
    else
        file.bytes = StreamLastRecord(guard.fd, recordSize);
    return file;
}

FileBytes ReadWholeFile(const std::string& path, size_t maxBytes) {
    FileBytes file;
    FdGuard guard{OpenRegularForReading(path, file.outcome)};
    if (guard.fd < 0)
        return file;
    // One byte past the limit tells a file over it. The buffer starts at the file's size and
    // grows only if the file grows meanwhile, so a small file costs no more than its bytes.
    const size_t limit = maxBytes + 1;
    struct stat info {};
    size_t room = 64u << 10;
    if (::fstat(guard.fd, &info) == 0 && info.st_size >= 0)
        room = static_cast<size_t>(info.st_size) + 1;
    room = std::min(room, limit);
    size_t got = 0;
    for (;;) {
        file.bytes.resize(room);
        got += ReadSome(guard.fd, file.bytes.data() + got, room - got);
        if (got < room || room == limit)
            break;
        room = room > limit / 2 ? limit : 2 * room;
    }
    file.bytes.resize(got);
    return file;
}

void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes) {
    if (const int refusal = TargetRefusal(path); refusal != 0)
        ThrowIoError(refusal);
    std::string tempPath;
    const int fd = CreateTemporaryFile(path, tempPath);
    if (fd < 0)
        ThrowIoError(LastError());
    CommitTemporaryFile(fd, tempPath, path, bytes);
}

bool ReplaceDataText(const std::string& name, const std::string& ext, const std::string& text) {
    const std::string path = DataFileName(name, ext);
    if (path.empty() || TargetRefusal(path) != 0 || !WritableOrMissing(path))
        return false;
    std::string tempPath;
    const int fd = CreateTemporaryFile(path, tempPath);
    if (fd < 0)
        return false;
    CommitTemporaryFile(fd, tempPath, path,
                        {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    return true;
}
