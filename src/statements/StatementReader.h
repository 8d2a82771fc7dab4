#pragma once

#include "statements/StatementFile.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace ledgora {

// Reads a bank statement file of either format, telling which by its content: XML whose root
// is a Document in a camt.053 namespace is read by Camt053Reader; text whose first record is
// 00 or 11 by Norma43Reader. Anything else, or a file that cannot be opened, is refused.
class StatementReader {
public:
    static StatementFile readFile(const QString& path);
    static StatementFile read(QIODevice& device);
    static StatementFile read(const QByteArray& bytes);
};

} // namespace ledgora
