#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace ledgora {

// A text looked for inside descriptions the way a Spanish-speaking person expects: every
// letter matches its other case, accented ones included ("depósito" finds "DEPÓSITO", "ñ"
// finds "Ñ"), and every typed character, '%' and '_' included, stands only for itself.
// The text is folded once; each description is folded as it is searched, without allocating,
// and a description in plain ASCII is searched byte by byte.
class FoldedText {
public:
    explicit FoldedText(const QString& text);

    // Whether the UTF-8 text contains this one, ignoring case.
    bool foundIn(std::string_view utf8) const;

private:
    std::u32string folded_;
    std::string ascii_; // the folded text when it is all ASCII
    bool isAscii_ = false;
};

} // namespace ledgora
