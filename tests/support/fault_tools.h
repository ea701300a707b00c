// SPDX-License-Identifier: GPL-3.0-or-later
// Faults of the machine made on purpose: a disk that fills up, a player without permission,
// a named pipe, and a count of the bytes the process has read, for the tests that prove the
// game survives them.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <fstream>
#include <grp.h>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

// Lowers the largest file this process may write to, for its lifetime: a write past it fails
// as it would on a full disk (with SIGXFSZ ignored, as the game ignores it).
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*previousHandler_)(int) = SIG_DFL;
};

// Runs the rest of a scope as an ordinary user, so that file permissions hold: the tests run
// as root on CI. Root switches its effective user to "nobody" and back; anybody else is an
// ordinary user already. The folders the scope works in must be open to that user.
class AsOrdinaryUser {
  public:
    AsOrdinaryUser() {
        if (geteuid() != 0)
            return;
        // The groups go too: root's group would otherwise still open root's files.
        groupCount_ = getgroups(static_cast<int>(groups_.size()), groups_.data());
        switched_ = groupCount_ >= 0 && setgroups(0, nullptr) == 0 && setegid(kNobody) == 0 &&
                    seteuid(kNobody) == 0;
    }
    ~AsOrdinaryUser() {
        if (geteuid() == 0 || !switched_)
            return;
        (void)seteuid(0);
        (void)setegid(0);
        (void)setgroups(static_cast<size_t>(groupCount_), groups_.data());
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

    // False when the permissions cannot be made to hold here (root that cannot switch).
    bool PermissionsHold() const { return geteuid() != 0; }

  private:
    static constexpr uid_t kNobody = 65534;
    bool switched_ = false;
    std::array<gid_t, 64> groups_{};
    int groupCount_ = 0;
};

// Opens a folder (or file) to everybody, so that an ordinary user can work in it.
inline void OpenToEverybody(const std::string& path) {
    chmod(path.c_str(), 0777);
}

inline bool MakeFifo(const std::string& path) {
    return mkfifo(path.c_str(), 0666) == 0;
}

// Bytes this process has read through the operating system so far.
inline long long BytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:")
            return value;
    }
    return -1;
}

// A reader that waits for ever would hang the suite; this ends the test process instead, so
// the hang shows up as a failure with the test's name.
class HangGuard {
  public:
    explicit HangGuard(unsigned seconds) { alarm(seconds); }
    ~HangGuard() { alarm(0); }
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;
};
