#pragma once

#include "Money.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <variant>

namespace ledgora {

// A value as a record-set field or a control hands it over: null, text, whole number,
// double, exact amount, date or truth value.
class Variant {
public:
    using Storage = std::variant<std::monostate, QString, std::int64_t, double, Money, QDate, bool>;

    Variant() = default;
    Variant(QString text) : value_(std::move(text)) {}
    Variant(const char* text) : value_(QString::fromUtf8(text)) {}
    Variant(std::int64_t number) : value_(number) {}
    Variant(int number) : value_(std::int64_t(number)) {}
    Variant(double number) : value_(number) {}
    Variant(Money amount) : value_(amount) {}
    Variant(QDate date) : value_(date) {}
    Variant(bool truth) : value_(truth) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    const Storage& storage() const { return value_; }

    template <typename T> const T* get() const { return std::get_if<T>(&value_); }

    friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

private:
    Storage value_;
};

} // namespace ledgora
