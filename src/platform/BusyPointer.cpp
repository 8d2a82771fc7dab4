#include "BusyPointer.h"

#include "Pointer.h"

namespace ledgora {

BusyPointer::BusyPointer(PointerShape first) {
    Pointer::set(first);
}

BusyPointer::~BusyPointer() {
    try {
        release();
    } catch (...) {
        // A watcher that fails must not end the program while the routine unwinds.
    }
}

void BusyPointer::release() {
    if (!held_)
        return;
    held_ = false;
    Pointer::set(PointerShape::Normal);
}

} // namespace ledgora
