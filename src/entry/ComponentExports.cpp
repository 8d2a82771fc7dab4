// The library's entry points. Each hands over to the class table; none holds logic.
#include "ComponentClasses.h"
#include "clMain.h"
#include "core/ClassRegistry.h"
#include "core/RuntimeError.h"

#include <QtGlobal>

namespace {
constexpr int kOk = 0;
constexpr int kFalse = 1;
constexpr int kClassNotAvailable = int(0x80040111);
} // namespace

extern "C" {

// Creates the class named by its identifier; the caller owns the object.
Q_DECL_EXPORT int DllGetClassObject(const char* classId, QObject** object) {
    if (!object)
        return kClassNotAvailable;
    *object = nullptr;
    ledgora::registerComponentClasses();
    try {
        *object = ledgora::ClassRegistry::create(QString::fromUtf8(classId)).release();
    } catch (...) {
        return kClassNotAvailable;
    }
    return kOk;
}

Q_DECL_EXPORT int DllCanUnloadNow() {
    return ledgora::clMain::liveObjects() == 0 ? kOk : kFalse;
}

Q_DECL_EXPORT int DllRegisterServer() {
    ledgora::registerComponentClasses();
    return kOk;
}

Q_DECL_EXPORT int DllUnregisterServer() {
    ledgora::unregisterComponentClasses();
    return kOk;
}

} // extern "C"
