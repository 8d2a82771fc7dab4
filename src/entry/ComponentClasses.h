#pragma once

namespace ledgora {

// Fills the class table with the component's classes ("Ledgora.clMain" and the data-access
// component it creates) and the statement forms its routines issue. Safe to call again.
void registerComponentClasses();
void unregisterComponentClasses();

} // namespace ledgora
