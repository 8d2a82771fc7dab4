#pragma once

#include "core/Result.h"

#include <QString>

namespace ledgora {

// What the windowless modes that write a file from a ledger share.
namespace windowless {

// A file's path as the person wrote it; a server's address without its password.
QString native(const QString& path);
// Refused when the ledger is not there, or when the output is no file that can be written
// (a folder, a pipe or a device, a folder that cannot be written to).
Result checkPaths(const QString& dbPath, const QString& outPath);
// Connects gManejo to the ledger for reading only: the ledger is left exactly as it was.
Result openForReading(const QString& dbPath);

} // namespace windowless

} // namespace ledgora
