#pragma once

namespace ledgora {

class FrmBNKMain;

// What happens when the main ledger screen loads and unloads: the component's start-up
// (interval, data-access object, connection, account choice) and shut-down. The component
// that shows the screen provides it.
class MainScreenLifecycle {
public:
    virtual ~MainScreenLifecycle() = default;
    virtual void load(FrmBNKMain& screen) = 0;
    virtual void unload() = 0;
};

} // namespace ledgora
