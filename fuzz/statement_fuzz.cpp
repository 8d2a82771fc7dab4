// libFuzzer target for the statement readers: the input is read by each format's reader and by
// the one that tells them apart, and every reading keeps the property of StatementChecks.h. A
// broken property aborts with what broke. Seed it with statement files of each format, e.g.
// statement_fuzz corpus/ where corpus holds a few .n43, .xml, .ofx and .sta files.

#include "StatementChecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString broken = ledgora::fuzz::checkStatementReaders(bytes);
    if (!broken.isEmpty()) {
        std::fprintf(stderr, "%s\n", broken.toUtf8().constData());
        std::abort();
    }
    return 0;
}
