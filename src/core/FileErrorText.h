#pragma once

#include <QString>

class QFileDevice;

namespace ledgora {

// Why a file could not be read or written, in the module's language: the system's own words
// follow the system's language, which is not the module's.
QString fileErrorText(const QFileDevice& file);
// The same for a system call's error number.
QString systemErrorText(int errorNumber);

} // namespace ledgora
