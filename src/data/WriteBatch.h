#pragma once

#include "clManejo.h"

namespace ledgora {

// Holds a batch open for its lifetime: committed by commit(), rolled back if it is left
// without one (an exception on the way).
class WriteBatch {
public:
    explicit WriteBatch(clManejo& manejo) : manejo_(manejo) { manejo_.beginBatch(); }
    // Rolls back a batch left without commit. The engine may have rolled it back itself
    // already (a full disk, an I/O error); that is no reason to fail here.
    ~WriteBatch() {
        if (!open_)
            return;
        try {
            manejo_.endBatch(false);
        } catch (...) {
        }
    }
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

    // A commit that fails leaves the batch open, to be rolled back.
    void commit() {
        manejo_.endBatch(true);
        open_ = false;
    }

private:
    clManejo& manejo_;
    bool open_ = true;
};

} // namespace ledgora
