#include "ComponentClasses.h"

#include "clMain.h"
#include "data/DataClasses.h"
#include "ledger/LedgerStatements.h"
#include "platform/ClassRegistry.h"
#include "screens/ScreenStatements.h"

namespace ledgora {

void registerComponentClasses() {
    registerLedgerStatements();
    registerScreenStatements();
    registerDataClasses();
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clMain"),
                                 [] { return std::make_unique<clMain>(); });
}

void unregisterComponentClasses() {
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clMain"));
}

} // namespace ledgora
