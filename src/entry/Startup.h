#pragma once

#include "mainscreen/MainScreenLifecycle.h"

namespace ledgora {

// The component's start-up when the main ledger screen loads: the grid, the interval (this
// month, or the one stored for the user), the data-access object and its connection, the
// interval in the status bar, and the account choice. Its shut-down releases the object.
class Startup final : public MainScreenLifecycle {
public:
    void load(FrmBNKMain& screen) override;
    void unload() override;
};

} // namespace ledgora
