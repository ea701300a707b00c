// SPDX-License-Identifier: GPL-3.0-or-later
// Card codes: what a code means, and the small questions the rules ask of a card.
#include "engine/engine.h"

// DecodeCard and the questions built on it are inline in engine.h.

std::string CutName(const std::string& text, int maxBytes) {
    if (static_cast<int>(text.size()) <= maxBytes) return text;
    int end = maxBytes;
    // Step back over UTF-8 continuation bytes so the cut falls between characters.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return text.substr(0, end);
}
