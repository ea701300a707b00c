// SPDX-License-Identifier: GPL-3.0-or-later
// Little-endian packing of the record files, written field by field so the bytes on disk are
// the same on every host.
#pragma once

#include <cstdint>
#include <span>
#include <string>

constexpr int kNameSlotSize = 21; // a length byte and 20 bytes of text

void PutInt32(std::span<uint8_t> record, size_t offset, int32_t value);
int32_t GetInt32(std::span<const uint8_t> record, size_t offset);

// A name slot: the length byte, then the text; the rest of the slot is zero.
void PutName(std::span<uint8_t> record, size_t offset, const std::string& name);
// The name in a slot; a length above 20 is taken as 20, a UTF-8 character broken by the end
// of the slot is dropped and any other broken byte becomes "?".
std::string GetName(std::span<const uint8_t> record, size_t offset);

// Every byte that is not part of a well-formed UTF-8 character becomes "?", so a name read
// from a file is the same after any number of saves and loads.
std::string MarkBrokenCharacters(const std::string& text);

// Drops an incomplete UTF-8 sequence at the end of the text.
std::string DropBrokenTail(const std::string& text);
