#pragma once

namespace ledgora {

// Makes "Datorix.clManejo" creatable by its class identifier.
void registerDataClasses();

} // namespace ledgora
