// libFuzzer target for the statement gateway and the runtime conversions. The input, read as
// UTF-8, is checked as a statement and as a typed value; its first sixteen bytes are also
// two amounts for the checked arithmetic. A broken property aborts with what broke.

#include "GatewayChecks.h"
#include "domain/LedgerStatements.h"
#include "screens/ScreenStatements.h"

#include <QLocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void require(const QString& broken, const QString& input) {
    if (broken.isEmpty())
        return;
    std::fprintf(stderr, "%s\ninput: %s\n", broken.toUtf8().constData(),
                 input.toUtf8().constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    ledgora::registerLedgerStatements();
    ledgora::registerScreenStatements();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace ledgora::fuzz;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    require(checkStatement(text), text);
    // The same values under both decimal conventions.
    for (const auto language : {QLocale::English, QLocale::Spanish}) {
        QLocale::setDefault(QLocale(language));
        require(checkConversions(text), text);
    }
    if (size >= 16) {
        std::int64_t a = 0, b = 0;
        std::memcpy(&a, data, 8);
        std::memcpy(&b, data + 8, 8);
        require(checkArithmetic(a, b), text);
    }
    return 0;
}
