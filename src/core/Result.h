#pragma once

#include "core/RuntimeError.h"

#include <QString>
#include <optional>

namespace ledgora {

// What a piece of work that may be refused gives back: done, or the kind of failure beside
// the reason, in Spanish. Code decides by the kind; the text is only ever shown to the person.
class Result {
public:
    using Kind = RuntimeError::Kind;

    Result() = default; // done
    Result(Kind kind, QString text) : failure_(kind), text_(std::move(text)) {}

    bool ok() const noexcept { return !failure_; }
    explicit operator bool() const noexcept { return ok(); }
    // The kind of the failure; a result that is done has none, and says Other.
    Kind kind() const noexcept { return failure_.value_or(Kind::Other); }
    // Why it failed; empty when done.
    const QString& text() const noexcept { return text_; }

private:
    std::optional<Kind> failure_;
    QString text_;
};

} // namespace ledgora
