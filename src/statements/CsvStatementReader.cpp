#include "CsvStatementReader.h"

#include "ReadOrRefuse.h"
#include "core/CsvReader.h"

#include <QBuffer>
#include <QCoreApplication>

namespace ledgora {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("CsvStatementReader", text);
}

class CsvParser {
public:
    CsvParser(const QByteArray& bytes, const CsvLayout& layout, const QString& account)
        : bytes_(bytes), layout_(layout) {
        statement_.format = BankStatement::Format::Csv;
        statement_.bank = QStringLiteral("CSV");
        statement_.account = account.trimmed();
    }

    StatementFile run() {
        if (!layout_.isComplete())
            refuse(tr("el formato no dice en qué columnas están la fecha y el importe"));
        QBuffer buffer;
        buffer.setData(bytes_);
        buffer.open(QIODevice::ReadOnly);
        CsvReader reader(buffer, layout_.separator,
                         layout_.encoding == CsvLayout::Encoding::Windows1252
                             ? CsvReader::Encoding::Windows1252
                             : CsvReader::Encoding::Detected);
        int records = 0;
        qint64 undatedAt = 0; // a row without a date, allowed only after the last movement
        while (reader.next()) {
            line_ = reader.line();
            if (++records <= layout_.skipRows)
                continue;
            const QStringList& row = reader.fields();
            if (CsvLayout::isBlankRow(row))
                continue;
            const auto date = layout_.dateOf(cell(row, layout_.operationDate));
            if (!date) {
                if (undatedAt == 0)
                    undatedAt = line_;
                continue;
            }
            if (undatedAt != 0) {
                line_ = undatedAt;
                refuse(tr("la fila no tiene una fecha %1 en la columna %2")
                           .arg(layout_.dateFormat)
                           .arg(layout_.operationDate + 1));
            }
            addLine(row, *date);
        }
        if (!reader.problem().isEmpty()) {
            line_ = reader.line();
            refuse(reader.problem());
        }
        if (statement_.lines.isEmpty())
            refuse(tr("no hay ningún movimiento con fecha después de las %1 filas de títulos")
                       .arg(layout_.skipRows));
        checkBalances();
        for (const BankLine& line : statement_.lines) {
            if (!statement_.startDate.isValid() || line.operationDate < statement_.startDate)
                statement_.startDate = line.operationDate;
            if (!statement_.endDate.isValid() || line.operationDate > statement_.endDate)
                statement_.endDate = line.operationDate;
        }
        statement_.fingerprintLines();
        statement_.sortLinesByDate();
        return {{statement_}, std::nullopt};
    }

    StatementRefusal refusal(const QString& reason) const {
        return {line_, tr("Línea %1: %2.").arg(line_).arg(reason)};
    }

private:
    [[noreturn]] void refuse(const QString& reason) const { throw refusal(reason); }

    static QString cell(const QStringList& row, int column) {
        return column == CsvLayout::kNone ? QString() : row.value(column).trimmed();
    }

    // The amount of a column, refused when the cell holds something that is no amount; an
    // empty cell is nothing.
    std::optional<Money> amountIn(const QStringList& row, int column) const {
        const QString text = cell(row, column);
        if (CsvLayout::holdsNoAmount(text))
            return std::nullopt;
        const auto amount = layout_.amountOf(text);
        if (!amount)
            refuse(tr("«%1» no es un importe (columna %2)").arg(text.left(40)).arg(column + 1));
        return amount;
    }

    void addLine(const QStringList& row, QDate date) {
        BankLine line;
        line.sourceLine = line_;
        line.operationDate = date;
        const QString value = cell(row, layout_.valueDate);
        line.valueDate = value.isEmpty() ? date : layout_.dateOf(value).value_or(QDate());
        if (!line.valueDate.isValid())
            refuse(tr("«%1» no es una fecha %2 (columna %3)")
                       .arg(value.left(40), layout_.dateFormat)
                       .arg(layout_.valueDate + 1));
        // One signed column, or a debit and a credit column whose amounts may come unsigned.
        Money amount;
        if (layout_.amount != CsvLayout::kNone) {
            amount = amountIn(row, layout_.amount).value_or(Money());
        } else {
            const Money debit = amountIn(row, layout_.debit).value_or(Money());
            const Money credit = amountIn(row, layout_.credit).value_or(Money());
            amount = (credit < Money() ? -credit : credit) - (debit < Money() ? -debit : debit);
        }
        line.side = amount < Money() ? BankLine::Side::Debit : BankLine::Side::Credit;
        line.amount = amount < Money() ? -amount : amount;
        line.text = cell(row, layout_.description).simplified();
        line.reference1 = cell(row, layout_.reference);
        if (layout_.balance != CsvLayout::kNone)
            balances_.push_back({line_, amountIn(row, layout_.balance)});
        statement_.lines << line;
    }

    // Each balance is the one before it moved by the line's amount, read forwards (oldest
    // first) or backwards (newest first): whichever holds from start to end.
    void checkBalances() {
        if (balances_.empty())
            return;
        const QList<BankLine>& lines = statement_.lines;
        const int n = int(lines.size());
        for (int k = 0; k < n; ++k)
            if (!balances_[std::size_t(k)].second) {
                line_ = balances_[std::size_t(k)].first;
                refuse(tr("falta el saldo (columna %1)").arg(layout_.balance + 1));
            }
        auto balance = [&](int k) { return *balances_[std::size_t(k)].second; };
        int forwardFault = -1, backwardFault = -1;
        for (int k = 1; k < n && forwardFault < 0; ++k)
            if (balance(k - 1) + lines[k].signedAmount() != balance(k))
                forwardFault = k;
        for (int k = 1; k < n && backwardFault < 0; ++k)
            if (balance(k) + lines[k - 1].signedAmount() != balance(k - 1))
                backwardFault = k;
        if (forwardFault >= 0 && backwardFault >= 0) {
            line_ = balances_[std::size_t(forwardFault)].first;
            refuse(tr("el saldo %1 no es el anterior, %2, más el importe, %3")
                       .arg(balance(forwardFault).toPlainText(u','),
                            balance(forwardFault - 1).toPlainText(u','),
                            lines[forwardFault].signedAmount().toPlainText(u',')));
        }
        const int first = forwardFault < 0 ? 0 : n - 1;
        const int last = forwardFault < 0 ? n - 1 : 0;
        statement_.openingBalance = balance(first) - lines[first].signedAmount();
        statement_.closingBalance = balance(last);
    }

    const QByteArray& bytes_;
    const CsvLayout& layout_;
    BankStatement statement_;
    std::vector<std::pair<qint64, std::optional<Money>>> balances_;
    qint64 line_ = 0;
};

} // namespace

StatementFile CsvStatementReader::read(const QByteArray& bytes, const CsvLayout& layout,
                                       const QString& account) {
    CsvParser parser(bytes, layout, account);
    return readOrRefuse(parser);
}

} // namespace ledgora
