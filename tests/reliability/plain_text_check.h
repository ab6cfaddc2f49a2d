// Whether a sentence meant for a screen or a terminal is plain: no control
// character but the line break, no bidirectional embedding, override or isolate.
#pragma once

#include <string_view>

#include "history/display_text.h"

inline bool isPlainSentence(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n') || c == 0x7F) return false;
        // U+202A..U+202E are E2 80 AA..AE; U+2066..U+2069 are E2 81 A6..A9.
        if (c == 0xE2 && i + 2 < text.size()) {
            const auto b = static_cast<unsigned char>(text[i + 1]);
            const auto d = static_cast<unsigned char>(text[i + 2]);
            if ((b == 0x80 && d >= 0xAA && d <= 0xAE) || (b == 0x81 && d >= 0xA6 && d <= 0xA9)) return false;
        }
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) < 0xA0) return false;
    }
    return true;
}

// Whether a document holds only what XML 1.0 allows: well-formed UTF-8
// without C0 controls (but tab, LF and CR), U+FFFE or U+FFFF.
inline bool fitForXml(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 && c != '\t' && c != '\n' && c != '\r') return false;
        if (c == 0xEF && i + 2 < text.size() && text[i + 1] == '\xBF' &&
            (text[i + 2] == '\xBE' || text[i + 2] == '\xBF'))
            return false;
    }
    return displaytext::malformedUtf8At(text) == std::string_view::npos;
}
