#pragma once

namespace ledgora {

// Registers the statement forms the entry and maintenance screens issue.
void registerScreenStatements();

} // namespace ledgora
