#pragma once

#include "NewAccount.h"
#include "NewMovement.h"

namespace ledgora {

class clManejo;

// Registers the statement forms the entry and maintenance screens issue.
void registerScreenStatements();

// The account screen's insert and the entry screen's, filled with values rather than spliced
// into text, for accounts and movements brought in from elsewhere: a value may hold a quote.
// Each gives the number of rows stored and raises the errors of Ejecutar.
long insertAccount(clManejo& manejo, const NewAccount& account);
long insertMovement(clManejo& manejo, const NewMovement& movement);

} // namespace ledgora
