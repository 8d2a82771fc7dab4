#pragma once

// The properties the statement gateway and the runtime conversions keep whatever they are
// fed. Each check gives an empty text when the property holds and says what broke otherwise;
// the seeded test and the libFuzzer target share them.

#include "core/Conversions.h"
#include "core/Money.h"
#include "core/RuntimeError.h"
#include "data/StatementCatalog.h"

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace ledgora::fuzz {

// The statement a form gives with these values in its placeholders.
inline QString render(const StatementForm& form, const std::vector<QString>& values) {
    QString text;
    for (const FormToken& t : form.tokens()) {
        if (t.type != FormToken::Type::Param) {
            text += t.text;
            continue;
        }
        const QString& value = values.at(std::size_t(t.param));
        if (form.parameters()[std::size_t(t.param)] == ValueKind::Contains)
            text += QStringLiteral("'%") + value + QStringLiteral("%'");
        else if (t.text.startsWith(u'\''))
            text += u'\'' + value + u'\'';
        else
            text += value;
    }
    return text;
}

// A statement is refused with the database's syntax or type error, or binds as a registered
// form it has the shape of, whose values, put back in their places, give the statement again.
// A statement with the shape of more than one form (a typed quote can give one: "1'  and
// MOVSTCPT like '%zz%" as a concept) is told through `shapes` when asked for; binding it is
// safe only when the routine names the form it means.
inline QString checkStatement(const QString& statement, QStringList* shapes = nullptr) {
    std::vector<const StatementForm*> matching;
    for (const StatementForm* form : StatementCatalog::all())
        if (form->match(statement))
            matching.push_back(form);
    BoundStatement bound;
    try {
        bound = StatementCatalog::bind(statement);
    } catch (const RuntimeError& error) {
        const long syntax = StatementCatalog::syntaxError().number();
        const long mismatch = StatementCatalog::typeMismatch().number();
        if (error.number() != syntax && error.number() != mismatch)
            return QStringLiteral("refused with error %1").arg(error.number());
        if (matching.empty() && error.number() != syntax)
            return QStringLiteral("a statement of no form refused with %1").arg(error.number());
        return {};
    }
    if (matching.empty())
        return QStringLiteral("bound as %1 without its shape").arg(bound.form->name());
    if (std::find(matching.begin(), matching.end(), bound.form) == matching.end())
        return QStringLiteral("bound as %1, shaped as %2")
            .arg(bound.form->name(), matching.front()->name());
    if (matching.size() > 1) {
        if (!shapes)
            return QStringLiteral("bound though it has the shape of %1 forms").arg(matching.size());
        for (const StatementForm* form : matching)
            *shapes << form->name();
    }
    const std::vector<QString> texts = *bound.form->match(statement);
    if (render(*bound.form, texts) != statement)
        return QStringLiteral("the values do not give the statement back");
    for (std::size_t k = 0; k < texts.size(); ++k) {
        const BoundValue& v = bound.values.at(k);
        switch (v.kind) {
        case ValueKind::Text:
        case ValueKind::Contains:
            if (v.text != texts[k])
                return QStringLiteral("text value changed");
            for (QChar c : v.text)
                if (c.unicode() < 0x20)
                    return QStringLiteral("a control character was bound");
            break;
        case ValueKind::Amount:
            if (rt::readAmount(texts[k]) != std::optional<Money>(v.amount))
                return QStringLiteral("amount bound as another value");
            break;
        case ValueKind::Date:
            if (rt::readDate(texts[k]) != std::optional<QDate>(v.date))
                return QStringLiteral("date bound as another value");
            break;
        case ValueKind::Integer:
            if (texts[k].toLongLong() != v.integer)
                return QStringLiteral("whole number bound as another value");
            break;
        }
    }
    return {};
}

// Largest magnitude an amount read from text holds.
constexpr double kLargestAmount = 9.2e13;

// What reads as a number reads as the same amount, or is beyond what an amount holds; an
// amount is never taken from a text that is no number, and every form of an amount reads back.
inline QString checkConversions(const QString& text) {
    const auto number = rt::readNumber(text);
    const auto amount = rt::readAmount(text);
    if (amount && !number)
        return QStringLiteral("an amount from a text that is no number");
    if (number && !amount && !(std::fabs(*number) >= kLargestAmount))
        return QStringLiteral("a number within range (%1) gives no amount").arg(*number);
    if (number && amount) {
        const double difference = std::fabs(amount->toDouble() - *number);
        if (difference > 1e-4 + std::fabs(*number) * 1e-14)
            return QStringLiteral("amount %1 read for number %2")
                .arg(amount->toDouble())
                .arg(*number);
    }
    if (amount) {
        const QChar sep = rt::decimalSeparator();
        if (Money::parse(amount->toPlainText(sep), sep) != amount)
            return QStringLiteral("plain text of an amount does not read back");
        if (rt::readAmount(rt::formatAmount(*amount)) != amount->roundedToCents())
            return QStringLiteral("shown amount does not read back");
        rt::generalNumberText(*amount);
    }
    for (QChar sep : {QChar(u'.'), QChar(u',')}) {
        const auto parsed = Money::parse(text, sep);
        if (parsed && Money::parse(parsed->toPlainText(sep), sep) != parsed)
            return QStringLiteral("parsed amount does not read back");
    }
    if (const auto date = rt::readDate(text)) {
        if (rt::readDate(rt::formatDateSlashed(*date)) != date)
            return QStringLiteral("date does not read back");
    }
    try {
        rt::toInt32(rt::leadingNumber(text));
    } catch (const RuntimeError& error) {
        if (error.number() != RuntimeError::overflow().number())
            return QStringLiteral("whole number conversion failed with %1").arg(error.number());
    }
    return {};
}

// Sums and differences are exact or raise the overflow error; never wrapped.
inline QString checkArithmetic(std::int64_t a, std::int64_t b) {
    const auto x = Money::fromUnits(a), y = Money::fromUnits(b);
    auto check = [](const char* what, bool overflows, std::int64_t exact,
                    auto operation) -> QString {
        try {
            const Money result = operation();
            if (overflows || result.units() != exact)
                return QStringLiteral("%1 wrapped").arg(QString::fromLatin1(what));
        } catch (const RuntimeError& error) {
            if (!overflows || error.number() != RuntimeError::overflow().number())
                return QStringLiteral("%1 refused wrongly").arg(QString::fromLatin1(what));
        }
        return {};
    };
    std::int64_t exact = 0;
    bool overflows = __builtin_add_overflow(a, b, &exact);
    QString broken = check("sum", overflows, exact, [&] { return x + y; });
    if (broken.isEmpty()) {
        overflows = __builtin_sub_overflow(a, b, &exact);
        broken = check("difference", overflows, exact, [&] { return x - y; });
    }
    if (broken.isEmpty()) {
        overflows = __builtin_sub_overflow(std::int64_t(0), a, &exact);
        broken = check("negation", overflows, exact, [&] { return -x; });
    }
    return broken;
}

} // namespace ledgora::fuzz
