#pragma once

#include <QString>

namespace ledgora {

// Why SQLite refused, in the module's language, from its result code (primary or extended):
// SQLite's own words are English whatever the system's language.
QString sqliteReason(int resultCode);

} // namespace ledgora
