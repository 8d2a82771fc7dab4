#pragma once

#include <QString>
#include <memory>

namespace ledgora {

// The module's shared state for a stretch of work that is not the screens': a windowless
// command, a benchmark, a test. The state is put back as it was when the scope ends, by any
// path; inside it starts as it was, without a connection (the one there was is kept apart).
// Asked to, the scope answers the routines' message boxes itself (OK, never shown) and keeps
// the first one's text, on one line, for the caller to report.
class SharedStateScope {
public:
    enum class Boxes { Shown, Answered };

    explicit SharedStateScope(Boxes boxes = Boxes::Shown);
    ~SharedStateScope();
    SharedStateScope(const SharedStateScope&) = delete;
    SharedStateScope& operator=(const SharedStateScope&) = delete;

    // The first message a routine gave while the scope answered them; empty when none.
    QString firstMessage() const { return firstMessage_; }

private:
    struct Saved; // what was there before, message boxes included
    std::unique_ptr<Saved> saved_;
    QString firstMessage_;
};

} // namespace ledgora
