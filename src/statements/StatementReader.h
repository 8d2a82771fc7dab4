#pragma once

#include "statements/StatementFile.h"

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace ledgora {

// Reads a bank statement file of any format it knows, telling which by its content: a file that
// opens with an OFX 1 header (OFXHEADER:, after a byte order mark or blank lines), or XML
// under an <?OFX ...?> instruction or with the root OFX, is read by OfxReader; text whose
// first field is :20:, bare or after the "{1:" block (and a few lines of the bank's own), by
// Mt940Reader; other XML by Camt053Reader, which wants a Document in a camt.053 namespace;
// text whose first record is 00 or 11 by Norma43Reader. Anything else, or a file that cannot
// be opened, is refused.
class StatementReader {
public:
    static StatementFile readFile(const QString& path);
    static StatementFile read(QIODevice& device);
    static StatementFile read(const QByteArray& bytes);
};

} // namespace ledgora
