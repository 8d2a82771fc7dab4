#pragma once

namespace ledgora {

class clManejo;

// Around anything that may open and close the ledger's own files outside SQLite: a file dialog
// (which reads what it lists to know its kind), a file the person chose (which may be the
// ledger itself), a print dialog. The operating system drops all of a process's locks on a file
// when any part of it closes that file, and with them what keeps other programs from removing
// the log the connection writes to. At the end of the scope the connection is opened afresh and
// holds its locks again. Never throws.
class LockRenewal {
public:
    explicit LockRenewal(clManejo& manejo) : manejo_(manejo) {}
    ~LockRenewal();
    LockRenewal(const LockRenewal&) = delete;
    LockRenewal& operator=(const LockRenewal&) = delete;

private:
    clManejo& manejo_;
};

} // namespace ledgora
