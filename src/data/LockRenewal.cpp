#include "LockRenewal.h"

#include "clManejo.h"
#include "data/DataLog.h"

namespace ledgora {

LockRenewal::~LockRenewal() {
    try {
        manejo_.renewLocks();
    } catch (const RuntimeError& error) {
        // The next statement finds the connection gone and says so to the person.
        qCWarning(lcData) << "the connection could not be opened again:" << error.description();
    } catch (...) {
        qCWarning(lcData) << "the connection could not be opened again";
    }
}

} // namespace ledgora
