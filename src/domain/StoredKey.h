#pragma once

#include <QString>

namespace ledgora {

// An account's or a concept's number as a movement stores it: at its column's width, padded
// with blanks ("3 " for concept 3), so that it reads back as the entry screen wrote it. A longer
// number is kept whole rather than cut into another one.
template <int Width> class StoredKey {
public:
    explicit StoredKey(const QString& number) : text_(number.leftJustified(Width, u' ')) {}
    const QString& text() const { return text_; }

private:
    QString text_;
};

using AccountKey = StoredKey<3>;
using ConceptKey = StoredKey<2>;

} // namespace ledgora
