// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/record_codec.h"

#include <algorithm>

#include "engine/engine.h"

void PutInt32(std::span<uint8_t> record, size_t offset, int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    for (size_t i = 0; i < 4; ++i)
        record[offset + i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t GetInt32(std::span<const uint8_t> record, size_t offset) {
    uint32_t bits = 0;
    for (size_t i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(record[offset + i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

void PutName(std::span<uint8_t> record, size_t offset, const std::string& name) {
    const std::string text = CutName(name, kNameLength);
    std::fill_n(record.begin() + static_cast<std::ptrdiff_t>(offset), kNameSlotSize, 0);
    record[offset] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), record.begin() + static_cast<std::ptrdiff_t>(offset) + 1);
}

std::string GetName(std::span<const uint8_t> record, size_t offset) {
    const size_t length = std::min<size_t>(record[offset], kNameLength);
    const auto* first = reinterpret_cast<const char*>(record.data() + offset + 1);
    return MarkBrokenCharacters(DropBrokenTail(std::string(first, length)));
}

namespace {

// Bytes a well-formed character starting with this lead byte takes; 0 for a byte that
// cannot start one.
size_t CharacterLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

bool IsContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

} // namespace

std::string MarkBrokenCharacters(const std::string& text) {
    std::string marked;
    size_t i = 0;
    while (i < text.size()) {
        const size_t length = CharacterLength(static_cast<unsigned char>(text[i]));
        bool whole = length > 0 && i + length <= text.size();
        for (size_t k = 1; whole && k < length; ++k)
            whole = IsContinuation(static_cast<unsigned char>(text[i + k]));
        if (whole) {
            marked.append(text, i, length);
            i += length;
        } else {
            marked.push_back('?');
            ++i;
        }
    }
    return marked;
}

std::string DropBrokenTail(const std::string& text) {
    // Find the lead byte of the last character and check that all its bytes are there.
    size_t lead = text.size();
    while (lead > 0 && (static_cast<unsigned char>(text[lead - 1]) & 0xC0) == 0x80)
        --lead;
    if (lead == 0)
        return text; // nothing but stray continuation bytes: not ours to judge
    const auto c = static_cast<unsigned char>(text[lead - 1]);
    const size_t need = c < 0x80             ? 1
                        : (c & 0xE0) == 0xC0 ? 2
                        : (c & 0xF0) == 0xE0 ? 3
                        : (c & 0xF8) == 0xF0 ? 4
                                             : 1;
    if (text.size() - (lead - 1) < need)
        return text.substr(0, lead - 1);
    return text;
}
