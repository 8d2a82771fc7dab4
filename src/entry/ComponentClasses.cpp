#include "ComponentClasses.h"

#include "clDemo.h"
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
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clDemo"),
                                 [] { return std::make_unique<clDemo>(); });
}

void unregisterComponentClasses() {
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clMain"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clDemo"));
}

} // namespace ledgora
