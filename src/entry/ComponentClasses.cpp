#include "ComponentClasses.h"

#include "audit/AuditStatements.h"
#include "clDemo.h"
#include "clExtracto.h"
#include "clHistorial.h"
#include "clImportar.h"
#include "clListado.h"
#include "clMain.h"
#include "clPrevision.h"
#include "clRespaldo.h"
#include "core/ClassRegistry.h"
#include "data/DataClasses.h"
#include "domain/LedgerStatements.h"
#include "forecast/ForecastStatements.h"
#include "reconcile/ReconcileStatements.h"
#include "screens/ScreenStatements.h"

namespace ledgora {

void registerComponentClasses() {
    // Every statement form the module issues, before any routine runs: a routine never relies
    // on another having registered the forms it names.
    registerLedgerStatements();
    registerScreenStatements();
    registerReconcileStatements();
    registerAuditStatements();
    registerForecastStatements();
    registerDataClasses();
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clMain"),
                                 [] { return std::make_unique<clMain>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clDemo"),
                                 [] { return std::make_unique<clDemo>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clListado"),
                                 [] { return std::make_unique<clListado>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clImportar"),
                                 [] { return std::make_unique<clImportar>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clRespaldo"),
                                 [] { return std::make_unique<clRespaldo>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clExtracto"),
                                 [] { return std::make_unique<clExtracto>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clPrevision"),
                                 [] { return std::make_unique<clPrevision>(); });
    ClassRegistry::registerClass(QStringLiteral("Ledgora.clHistorial"),
                                 [] { return std::make_unique<clHistorial>(); });
}

void unregisterComponentClasses() {
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clMain"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clDemo"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clListado"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clImportar"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clRespaldo"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clExtracto"));
    ClassRegistry::unregisterClass(QStringLiteral("Ledgora.clHistorial"));
}

} // namespace ledgora
