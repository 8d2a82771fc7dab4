#pragma once

#include <QString>

namespace ledgora {

class clManejo;

// Every write is durable when the routine that made it returns: a transaction or a batch still
// open when the program goes back to wait for the person would hold every later write with it
// until it ends, and lose them all with a crash. Each connection of the program's main thread is
// watched: each time the event loop is about to wait, none may hold a transaction open.
//
// In a debug build, or with LEDGORA_COMPROBACIONES=1 in the environment (every test sets it),
// such a fault stops the program at once, naming it; otherwise it is logged as critical.
class TransactionWatch {
public:
    static void watch(clManejo* manejo);
    static void unwatch(clManejo* manejo);
    // Whether faults stop the program.
    static bool strict();
    // A fault of the program's own making that must never happen: stops it where strict, else
    // logs it as critical.
    static void fault(const QString& what);

private:
    static void check();
};

} // namespace ledgora
