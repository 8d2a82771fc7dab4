#include "StagedLines.h"

#include "ReconcileStatements.h"
#include "data/clManejo.h"

#include <array>
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
    manejo_.Ejecutar(forms::reconcileStageTable, {});
}

void StagedLines::add(int line, Kind kind, std::int32_t movement, const BankLine& bank,
                      Money pending, Money realised, const QString& concept,
                      const QString& description) {
    // In the columns' order of forms::reconcileStageTable.
    const std::array row{number(line),
                         text(bank.fingerprint),
                         text(QString(QChar::fromLatin1(char(kind)))),
                         number(movement),
                         date(bank.operationDate),
                         date(bank.valueDate),
                         amount(bank.signedAmount()),
                         amount(pending),
                         amount(realised),
                         text(concept),
                         text(description)};
    columns_ = row.size();
    values_.insert(values_.end(), row.begin(), row.end());
    if (values_.size() == columns_ * kStagedAtOnce)
        manejo_.EjecutarValores(forms::reconcileStageMany, std::exchange(values_, {}));
}

void StagedLines::finish() {
    for (auto row = values_.begin(); row != values_.end(); row += qsizetype(columns_))
        manejo_.EjecutarValores(
            forms::reconcileStage,
            {std::make_move_iterator(row), std::make_move_iterator(row + qsizetype(columns_))});
    values_.clear();
}

} // namespace ledgora
