#pragma once

#include "clManejo.h"

namespace ledgora {

// Holds a batch open for its lifetime: committed by commit(), rolled back if it is left
// without one (an exception on the way).
class WriteBatch {
public:
    explicit WriteBatch(clManejo& manejo) : manejo_(manejo) { manejo_.beginBatch(); }
    ~WriteBatch() {
        if (open_)
            manejo_.endBatch(false);
    }
    WriteBatch(const WriteBatch&) = delete;
    WriteBatch& operator=(const WriteBatch&) = delete;

    void commit() {
        open_ = false;
        manejo_.endBatch(true);
    }

private:
    clManejo& manejo_;
    bool open_ = true;
};

} // namespace ledgora
