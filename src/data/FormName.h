#pragma once

#include <QString>

namespace ledgora {

// The name of a statement form, declared once beside the routine that registers the form
// (in a `forms` namespace) and used by every routine that issues it: a form is named by its
// constant, never by a text written again at the call, so a misspelt name does not compile.
class FormName {
public:
    constexpr explicit FormName(const char* name) noexcept : name_(name) {}

    constexpr const char* latin1() const noexcept { return name_; }
    QString toString() const { return QString::fromLatin1(name_); }

private:
    const char* name_;
};

} // namespace ledgora
