#include "StagedLines.h"

#include "ReconcileStatements.h"
#include "data/clManejo.h"

#include <iterator>
#include <utility>

namespace ledgora {

namespace {

BoundValue text(const QString& text) {
    BoundValue value;
    value.text = text;
    return value;
}

BoundValue number(std::int64_t number) {
    BoundValue value;
    value.kind = ValueKind::Integer;
    value.integer = number;
    return value;
}

BoundValue amount(Money amount) {
    BoundValue value;
    value.kind = ValueKind::Amount;
    value.amount = amount;
    return value;
}

BoundValue date(QDate date) {
    BoundValue value;
    value.kind = ValueKind::Date;
    value.date = date;
    return value;
}

} // namespace

StagedLines::StagedLines(clManejo& manejo) : manejo_(manejo) {
    manejo_.Ejecutar("reconcile.stageTable", {});
}

void StagedLines::add(int line, const char* kind, std::int32_t movement, const BankLine& bank,
                      Money pending, Money realised, const QString& concept,
                      const QString& description) {
    values_.insert(values_.end(),
                   {number(line), text(bank.fingerprint), text(QString::fromLatin1(kind)),
                    number(movement), date(bank.operationDate), date(bank.valueDate),
                    amount(bank.signedAmount()), amount(pending), amount(realised), text(concept),
                    text(description)});
    if (values_.size() == kColumns * kStagedAtOnce)
        manejo_.EjecutarValores("reconcile.stageMany", std::exchange(values_, {}));
}

void StagedLines::finish() {
    for (auto row = values_.begin(); row != values_.end(); row += kColumns)
        manejo_.EjecutarValores("reconcile.stage", {std::make_move_iterator(row),
                                                    std::make_move_iterator(row + kColumns)});
    values_.clear();
}

} // namespace ledgora
