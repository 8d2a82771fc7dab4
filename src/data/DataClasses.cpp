#include "DataClasses.h"

#include "clManejo.h"
#include "core/ClassRegistry.h"

namespace ledgora {

void registerDataClasses() {
    ClassRegistry::registerClass(QStringLiteral("Datorix.clManejo"),
                                 [] { return std::make_unique<clManejo>(); });
}

} // namespace ledgora
