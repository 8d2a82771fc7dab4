#include "StatementCatalog.h"

#include "core/Conversions.h"
#include "data/DataLog.h"

#include <memory>
#include <vector>

namespace ledgora {

namespace {

std::vector<std::unique_ptr<StatementForm>>& forms() {
    static std::vector<std::unique_ptr<StatementForm>> all;
    return all;
}

// Grids and listings are filled from tab- and line-separated text: a value holding a control
// character would split its row, so it is refused as a quote is.
void checkText(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20)
            throw StatementCatalog::syntaxError();
}

BoundValue readValue(ValueKind kind, const QString& text) {
    BoundValue value;
    value.kind = kind;
    switch (kind) {
    case ValueKind::Text:
    case ValueKind::Contains:
        checkText(text);
        value.text = text;
        break;
    case ValueKind::Integer: {
        bool ok = false;
        value.integer = text.toLongLong(&ok);
        if (!ok)
            throw StatementCatalog::typeMismatch();
        break;
    }
    case ValueKind::Amount: {
        const auto amount = rt::readAmount(text);
        if (!amount)
            throw StatementCatalog::typeMismatch();
        value.amount = *amount;
        break;
    }
    case ValueKind::Date: {
        const auto date = rt::readDate(text);
        if (!date)
            throw StatementCatalog::typeMismatch();
        value.date = *date;
        break;
    }
    }
    return value;
}

} // namespace

void StatementCatalog::add(FormName name, const QString& templateText) {
    if (contains(name.toString()))
        return;
    forms().push_back(std::make_unique<StatementForm>(name.toString(), templateText));
}

bool StatementCatalog::contains(const QString& name) {
    return named(name) != nullptr;
}

std::vector<const StatementForm*> StatementCatalog::all() {
    std::vector<const StatementForm*> list;
    for (const auto& form : forms())
        list.push_back(form.get());
    return list;
}

BoundStatement StatementCatalog::bind(const QString& statement) {
    for (const auto& form : forms()) {
        if (auto bound = bindTo(*form, statement))
            return std::move(*bound);
    }
    qCWarning(lcData) << "statement of no known form refused:" << statement.left(200);
    throw syntaxError();
}

const StatementForm* StatementCatalog::named(const QString& name) {
    for (const auto& form : forms())
        if (form->name() == name)
            return form.get();
    return nullptr;
}

BoundStatement StatementCatalog::bind(const QString& statement, const QString& formName) {
    if (const StatementForm* form = named(formName))
        if (auto bound = bindTo(*form, statement))
            return std::move(*bound);
    qCWarning(lcData) << "statement refused as not of the form" << formName << ":"
                      << statement.left(200);
    throw syntaxError();
}

BoundStatement StatementCatalog::bindValues(FormName formName, const QStringList& values) {
    const StatementForm* form = named(formName.toString());
    if (!form || std::size_t(values.size()) != form->parameters().size())
        throw syntaxError();
    BoundStatement bound;
    bound.form = form;
    for (std::size_t k = 0; k < form->parameters().size(); ++k)
        bound.values.push_back(readValue(form->parameters()[k], values[int(k)]));
    return bound;
}

BoundStatement StatementCatalog::bindRead(FormName formName, std::vector<BoundValue> values) {
    const StatementForm* form = named(formName.toString());
    if (!form || values.size() != form->parameters().size())
        throw syntaxError();
    for (std::size_t k = 0; k < values.size(); ++k) {
        const BoundValue& value = values[k];
        if (value.kind != form->parameters()[k])
            throw typeMismatch();
        if (value.kind == ValueKind::Text || value.kind == ValueKind::Contains)
            checkText(value.text);
        else if (value.kind == ValueKind::Date && !value.date.isValid())
            throw typeMismatch();
    }
    return {form, std::move(values)};
}

std::optional<BoundStatement> StatementCatalog::bindTo(const StatementForm& form,
                                                       const QString& statement) {
    auto texts = form.match(statement);
    if (!texts)
        return std::nullopt;
    BoundStatement bound;
    bound.form = &form;
    bound.values.reserve(texts->size());
    for (std::size_t k = 0; k < texts->size(); ++k)
        bound.values.push_back(readValue(form.parameters()[k], (*texts)[k]));
    return bound;
}

RuntimeError StatementCatalog::syntaxError() {
    return {-2147217900, QStringLiteral("Error de sintaxis en la instrucción SQL.")};
}

RuntimeError StatementCatalog::typeMismatch() {
    return {-2147217913,
            QStringLiteral("No coinciden los tipos de datos en la expresión de criterios.")};
}

} // namespace ledgora
