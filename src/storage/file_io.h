// SPDX-License-Identifier: GPL-3.0-or-later
// The file primitives under the storage layer: text files read line by line or written,
// whole record files read and replaced, and the card sheets read as bytes.
//
// Only regular files are ever read: a named pipe, a device, a socket or a folder planted under
// one of our names counts as a file that cannot be opened, and opening never waits for
// anybody. No reader takes more from a file than its limits need, however large it is.
// An open that fails is reported through the result only; any failure after a successful
// open throws StorageError with the runtime's text for the error.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// The runtime's text for an operating-system error number: "Disk full", "File access
// denied", "File not found", "Path not found", otherwise "I/O error <number>".
std::string IoErrorText(int errorNumber);

// A file name built from a base name cut to 20 bytes and an extension cut to 4 bytes.
std::string DataFileName(const std::string& name, const std::string& ext);

// A text file of ours, open for reading or for writing, or closed. The settings and the rules
// share one such handle in turn (DataText); the log has its own.
class DataFile {
  public:
    DataFile() = default;
    ~DataFile(); // closes quietly if CloseDataText was not called
    DataFile(const DataFile&) = delete;
    DataFile& operator=(const DataFile&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

  private:
    friend bool OpenDataText(DataFile&, const std::string&, const std::string&, size_t);
    friend bool CreateDataText(DataFile&, const std::string&, const std::string&);
    friend bool ReadDataTextLine(DataFile&, std::string&);
    friend void WriteDataText(DataFile&, const std::string&);
    friend void CloseDataText(DataFile&);

    int NextByte(); // -1 at the end of the file or of the read limit
    void Release();

    int fd_ = -1;
    std::vector<char> buffer_;
    size_t bufferPos_ = 0;
    size_t budget_ = 0; // bytes the reader may still take from the file
    int pushedBack_ = -1;
};

// The most any text reader takes from one file; what lies beyond reads as the end of it.
constexpr size_t kTextReadLimit = 1 << 20;

// Opens name+ext for reading; false (silently) when it is missing, unreadable or not a
// regular file.
bool OpenDataText(DataFile& dataText, const std::string& name, const std::string& ext,
                  size_t readLimit = kTextReadLimit);
// Creates or empties name+ext for writing; false (silently) when that fails. A pipe under the
// name is refused rather than written into.
bool CreateDataText(DataFile& dataText, const std::string& name, const std::string& ext);
// Reads the next line without its line end (CR LF, LF or CR); false at the end of the file.
bool ReadDataTextLine(DataFile& dataText, std::string& line);
// Writes the text exactly as given and hands it to the operating system at once.
void WriteDataText(DataFile& dataText, const std::string& text);
// Closes the file; the handle is closed afterwards even when closing failed (and threw).
void CloseDataText(DataFile& dataText);

// How an attempt to open a file for reading ended.
enum class OpenOutcome {
    Opened,
    Missing, // nothing under that name (or no folder on the way to it)
    Refused, // something is there but it cannot be read: no permission, not a regular file
};

// What a reader got from a file: how the open ended, and the bytes read when it opened.
struct FileBytes {
    OpenOutcome outcome = OpenOutcome::Missing;
    std::vector<uint8_t> bytes;
};

// Reads the last whole record of recordSize bytes (empty bytes when the file holds none); a
// partial record at the end is ignored. Only that record is read, however long the file.
// Throws StorageError when reading fails.
FileBytes ReadLastRecord(const std::string& path, size_t recordSize);

// Replaces the file at path with the bytes. They go to a temporary file created afresh in the
// same folder (never through a link, never over an existing entry), flushed to the disk, and
// renamed over path, so a failure at any point leaves an earlier file at path whole and
// removes the temporary one. Anything but a regular file at path (a link, a pipe, a folder)
// is left alone and refused. Throws StorageError on every failure.
void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

// Replaces the text file name+ext with the text, written exactly as given, the way ReplaceFile
// replaces a record file. Where no file could be created or written it does nothing and returns
// false, silently: when something other than a regular file is under the name (a link, a pipe,
// a folder), when the file there may not be written, or when no new file can be made in its
// folder. Any failure after that throws StorageError, keeps the old file whole and leaves no
// temporary file behind.
bool ReplaceDataText(const std::string& name, const std::string& ext, const std::string& text);

// The bytes of a whole file, but never more than maxBytes + 1 of them: more than maxBytes
// means the file is too large. Throws StorageError when reading fails.
FileBytes ReadWholeFile(const std::string& path, size_t maxBytes);
