#include "LocaleInfo.h"

#include <QLocale>

namespace ledgora {

namespace {
bool failing = false;
}

std::optional<QString> LocaleInfo::decimalSeparator() {
    if (failing)
        return std::nullopt;
    return QLocale().decimalPoint();
}

void LocaleInfo::setFailingForTesting(bool fail) {
    failing = fail;
}

} // namespace ledgora
