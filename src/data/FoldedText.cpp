#include "FoldedText.h"

#include <QChar>
#include <QList>
#include <algorithm>

namespace ledgora {

namespace {

char32_t fold(char32_t c) {
    if (c < 0x80)
        return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
    return QChar::toCaseFolded(c);
}

char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

// The code points of UTF-8 text, each folded; a malformed byte gives U+FFFD. Tells whether a
// combining mark was seen: such a text may need composing before it compares ("o" followed by
// a combining acute accent is "ó").
bool foldUtf8(std::string_view text, std::u32string& out) {
    out.clear();
    bool marks = false;
    const auto* s = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char b = s[i];
        char32_t c = 0xFFFD;
        std::size_t length = 1;
        if (b < 0x80) {
            c = b;
        } else if (b >= 0xC2 && b < 0xF5) {
            length = b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
            char32_t value = b & (0xFF >> (length + 1));
            bool valid = i + length <= n;
            for (std::size_t k = 1; valid && k < length; ++k) {
                valid = (s[i + k] & 0xC0) == 0x80;
                value = (value << 6) | (s[i + k] & 0x3F);
            }
            const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
            if (valid && value >= least && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF))
                c = value;
            else
                length = 1;
        }
        i += length;
        if (c >= 0x300 && QChar::isMark(c))
            marks = true;
        out.push_back(fold(c));
    }
    return marks;
}

std::u32string foldedComposed(const QString& text) {
    std::u32string folded;
    for (char32_t c : text.normalized(QString::NormalizationForm_C).toUcs4())
        folded.push_back(fold(c));
    return folded;
}

} // namespace

FoldedText::FoldedText(const QString& text) : folded_(foldedComposed(text)) {
    isAscii_ = std::all_of(folded_.begin(), folded_.end(), [](char32_t c) { return c < 0x80; });
    if (isAscii_)
        ascii_.assign(folded_.begin(), folded_.end());
}

bool FoldedText::foundIn(std::string_view utf8) const {
    if (folded_.empty())
        return true;
    // Plain ASCII on both sides: compare bytes. (A description with other characters may
    // still hold an ASCII text in another case, such as the Kelvin sign for "k".)
    if (isAscii_ && std::all_of(utf8.begin(), utf8.end(),
                                [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        if (utf8.size() < ascii_.size())
            return false;
        const std::size_t last = utf8.size() - ascii_.size();
        for (std::size_t i = 0; i <= last; ++i) {
            std::size_t k = 0;
            while (k < ascii_.size() && foldAscii(utf8[i + k]) == ascii_[k])
                ++k;
            if (k == ascii_.size())
                return true;
        }
        return false;
    }
    thread_local std::u32string description;
    if (foldUtf8(utf8, description))
        description = foldedComposed(QString::fromUtf8(utf8.data(), qsizetype(utf8.size())));
    return std::u32string_view(description).find(folded_) != std::u32string_view::npos;
}

} // namespace ledgora
