#pragma once

// The property every statement reader keeps whatever it is fed: a file is refused whole, with
// a reason, or read into statements whose lines each have an amount that is not negative, both
// dates and a fingerprint no other line of the statement has, and whose closing balance is the
// opening one plus the booked credits minus the booked debits when both are given. Each check
// gives an empty text when the property holds and says what broke otherwise; the seeded test
// and the libFuzzer target share them.

#include "core/Money.h"
#include "core/RuntimeError.h"
#include "statements/Camt053Reader.h"
#include "statements/CsvStatementReader.h"
#include "statements/Mt940Reader.h"
#include "statements/Norma43Reader.h"
#include "statements/OfxReader.h"
#include "statements/StatementReader.h"

#include <QBuffer>
#include <QByteArray>
#include <QSet>
#include <QString>
#include <utility>

namespace ledgora::fuzz {

inline QString checkStatementFile(const StatementFile& file) {
    if (file.isRefused()) {
        if (!file.statements.isEmpty())
            return QStringLiteral("a refused file gave statements");
        return file.refusal->message.isEmpty() ? QStringLiteral("refused without a reason")
                                               : QString();
    }
    for (const BankStatement& statement : file.statements) {
        QSet<QString> fingerprints;
        for (const BankLine& line : statement.lines) {
            if (line.amount < Money())
                return QStringLiteral("a line with a negative amount");
            if (!line.operationDate.isValid() || !line.valueDate.isValid())
                return QStringLiteral("a line without its dates");
            if (line.fingerprint.isEmpty())
                return QStringLiteral("a line without a fingerprint");
            if (fingerprints.contains(line.fingerprint))
                return QStringLiteral("two lines of a statement with one fingerprint");
            fingerprints.insert(line.fingerprint);
        }
        try {
            if (!statement.balancesAgree())
                return QStringLiteral("balances that do not agree");
        } catch (const RuntimeError&) {
            return QStringLiteral("lines that sum beyond what an amount holds");
        }
    }
    return {};
}

// The same bytes read by each format's reader, by the one that tells the formats apart, and as
// a spreadsheet export by the layout guessed from them.
inline QString checkStatementReaders(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::pair<const char*, StatementFile> read[] = {
        {"Norma 43", Norma43Reader::read(bytes)},
        {"camt.053", Camt053Reader::read(buffer)},
        {"OFX", OfxReader::read(bytes)},
        {"MT940", Mt940Reader::read(bytes)},
        {"any", StatementReader::read(bytes)},
        {"CSV", CsvStatementReader::read(bytes, CsvLayout::guess(bytes), QStringLiteral("001"))},
    };
    for (const auto& [reader, file] : read) {
        const QString broken = checkStatementFile(file);
        if (!broken.isEmpty())
            return QString::fromLatin1(reader) + QStringLiteral(": ") + broken;
    }
    return {};
}

} // namespace ledgora::fuzz
