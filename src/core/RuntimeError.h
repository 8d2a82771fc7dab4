#pragma once

#include <QString>
#include <stdexcept>

namespace ledgora {

// A run-time error as the routines of the module trap and report it: a number and a
// description. Routines catch it in their own error trap and show "number / description".
// Several errors share one number (every refusal of the database does), so a routine that
// handles one of them asks for its kind; the number and text are only ever shown. A Result
// that reports a failure instead of throwing it names it with the same kinds.
class RuntimeError : public std::runtime_error {
public:
    enum class Kind {
        Other,
        DuplicateKey,
        Busy,
        ReadOnly,
        NewerLayout,
        OlderLayout,
        NoConnection,
        Overflow,
        Refused,          // what was given cannot be taken: a bank statement file, an account
        FileAccess,       // a file could not be written
        ChangedMeanwhile, // another person got there first
        Unavailable       // the component, or a class or method of it, is not there
    };

    RuntimeError(long number, QString description, Kind kind = Kind::Other)
        : std::runtime_error(description.toStdString()), number_(number),
          description_(std::move(description)), kind_(kind) {}

    long number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }
    Kind kind() const noexcept { return kind_; }

    // The errors the runtime itself raises, with the texts a Spanish desktop shows.
    static RuntimeError overflow() { return {6, QStringLiteral("Desbordamiento"), Kind::Overflow}; }
    static RuntimeError typeMismatch() { return {13, QStringLiteral("No coinciden los tipos")}; }
    static RuntimeError objectNotSet() {
        return {91, QStringLiteral("Variable de objeto o bloque With no establecida")};
    }
    static RuntimeError cannotCreateObject() {
        return {429, QStringLiteral("El componente ActiveX no puede crear el objeto")};
    }

private:
    long number_;
    QString description_;
    Kind kind_;
};

} // namespace ledgora
