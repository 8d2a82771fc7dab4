#pragma once

#include "clManejo.h"

namespace ledgora {

// Holds a batch open for its lifetime: committed by commit(), rolled back if it is left
// without one (an exception on the way).
class WriteBatch {
public:
    // Large: a write of many rows (a statement applied, a ledger brought in), which may keep
    // more of the database in memory until it ends.
    enum class Size { Small, Large };

    explicit WriteBatch(clManejo& manejo, Size size = Size::Small) : manejo_(manejo) {
        manejo_.beginBatch(size == Size::Large);
    }
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
    // Ends the batch at once without its changes, for a routine that goes on reading after a
    // refused statement (a server reads nothing more in a transaction that failed).
    void rollback() {
        open_ = false;
        manejo_.endBatch(false);
    }

private:
    clManejo& manejo_;
    bool open_ = true;
};

} // namespace ledgora
