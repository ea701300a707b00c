// SPDX-License-Identifier: GPL-3.0-or-later
// The one failure the file code raises: an open succeeded, then a read, write, flush or close
// failed. The window catches it around every handler and shows its text in a message box.
#pragma once

#include <stdexcept>
#include <string>

class StorageError : public std::runtime_error {
  public:
    explicit StorageError(const std::string& message) : std::runtime_error(message) {}
};
