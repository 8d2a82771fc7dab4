#pragma once

#include <QString>
#include <optional>

namespace ledgora {

// Asks the system for the user's decimal separator. The query can fail, and then gives nothing;
// tests make it fail on purpose.
class LocaleInfo {
public:
    static std::optional<QString> decimalSeparator();
    static void setFailingForTesting(bool failing);
};

} // namespace ledgora
