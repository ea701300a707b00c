// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test or a benchmark inside a fresh empty folder: the working folder is switched there
// for the life of the guard and switched back (and the folder removed) afterwards. With it come
// helpers that read and write files byte for byte, behind the game's own file code. Plain C++,
// so that the benchmarks can use it without the test framework.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

class TempFolder {
  public:
    TempFolder() : previous_(std::filesystem::current_path()) {
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("quelvane-test-" + std::to_string(seed()) + std::to_string(seed()));
        std::filesystem::create_directories(path_);
        std::filesystem::current_path(path_);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::current_path(previous_, ec);
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string Path() const { return path_.string(); }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::filesystem::path p(path);
    if (p.has_parent_path())
        std::filesystem::create_directories(p.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    WriteBytes(path, std::string(bytes.begin(), bytes.end()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Little-endian helpers for building expected records by hand, independent of the codec.
inline void SetLe32(std::vector<uint8_t>& bytes, size_t at, uint32_t v) {
    bytes[at] = v & 0xFF;
    bytes[at + 1] = (v >> 8) & 0xFF;
    bytes[at + 2] = (v >> 16) & 0xFF;
    bytes[at + 3] = (v >> 24) & 0xFF;
}

inline void SetSlot(std::vector<uint8_t>& bytes, size_t at, const std::string& name) {
    bytes[at] = static_cast<uint8_t>(name.size());
    for (size_t i = 0; i < name.size(); ++i)
        bytes[at + 1 + i] = static_cast<uint8_t>(name[i]);
}

// True when writing into a read-only folder fails here (not when the tests run as root).
inline bool PermissionsAreEnforced() {
    namespace fs = std::filesystem;
    fs::create_directory("probe");
    fs::permissions("probe", fs::perms::owner_read | fs::perms::owner_exec);
    const bool enforced = !std::ofstream("probe/x").is_open();
    fs::permissions("probe", fs::perms::owner_all);
    fs::remove_all("probe");
    return enforced;
}
