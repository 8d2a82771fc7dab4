#pragma once

#include <functional>

namespace ledgora {

enum class PointerShape { Normal, Busy };

// The mouse pointer over the program's screens: the busy hourglass while a routine works
// with the database, the normal arrow otherwise. Setting a shape replaces the previous one.
class Pointer {
public:
    static void set(PointerShape shape);
    static PointerShape current();
    // Tests watch every change; an empty observer stops watching.
    static void setObserver(std::function<void(PointerShape)> observer);
};

} // namespace ledgora
