#pragma once

namespace ledgora {

// Registers the statement forms the audit trail is read and taken back with (once).
void registerAuditStatements();

} // namespace ledgora
