#pragma once

#include "Pointer.h"

namespace ledgora {

// The hourglass for the life of a routine's work with the database: busy from construction,
// normal again when the routine leaves by any path, including an error its trap does not
// handle. A routine that tells the person something under the normal arrow before it ends
// calls release() first; the pointer is then left alone.
class BusyPointer {
public:
    // `first` is what shows now: the hourglass, or the arrow for a routine whose checks show
    // the hourglass themselves once they pass.
    explicit BusyPointer(PointerShape first = PointerShape::Busy);
    ~BusyPointer();
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;

    // The normal arrow now, once; nothing more at the end.
    void release();

private:
    bool held_ = true;
};

} // namespace ledgora
