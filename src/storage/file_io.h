// The file primitives under the storage layer: text files read line by line, files written
// and flushed, whole files replaced through a temporary file, and files of fixed-size records.
// An open that fails is reported through the result only; any failure after a successful
// open throws StorageError with the runtime's text for the error.
#pragma once

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// The runtime's text for an operating-system error number: "Disk full", "File access
// denied", "File not found", otherwise "I/O error <number>".
std::string IoErrorText(int errorNumber);

// A file opened for reading. Folders never open.
class InFile {
  public:
    static std::unique_ptr<InFile> Open(const std::string& path);
    ~InFile();
    InFile(const InFile&) = delete;
    InFile& operator=(const InFile&) = delete;

    // Reads the next line without its line end (CR LF, LF or CR); false at end of file.
    bool ReadLine(std::string& line);
    // Reads up to size bytes; fewer only at end of file.
    size_t Read(uint8_t* data, size_t size);
    void Close();

  private:
    explicit InFile(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

// A file created (or emptied) for writing.
class OutFile {
  public:
    static std::unique_ptr<OutFile> Create(const std::string& path);
    ~OutFile(); // closes quietly if Close was not called
    OutFile(const OutFile&) = delete;
    OutFile& operator=(const OutFile&) = delete;

    void Write(const std::string& text);
    void Write(std::span<const uint8_t> bytes);
    void Flush();
    void Close();

  private:
    explicit OutFile(std::FILE* file) : file_(file) {}
    std::FILE* file_;
};

// Replaces the file at path with the bytes: they go to tempPath (created or emptied), are
// flushed to the disk, and the temporary file is then renamed over path, so a failure at any
// point leaves an earlier file at path whole. On failure the temporary file is removed and
// StorageError is thrown (also when the temporary file cannot be created).
void ReplaceFileVia(const std::string& path, const std::string& tempPath,
                    std::span<const uint8_t> bytes);
// The same with the temporary file path + ".tmp" in the same folder.
void ReplaceFile(const std::string& path, std::span<const uint8_t> bytes);

// Reads every whole record of recordSize bytes and keeps the last; a partial record at the
// end is ignored. nullopt when the file cannot be opened; an empty vector when it holds no
// whole record.
std::optional<std::vector<uint8_t>> ReadLastRecord(const std::string& path, size_t recordSize);
