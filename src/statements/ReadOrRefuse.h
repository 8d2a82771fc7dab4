#pragma once

#include "core/RuntimeError.h"
#include "statements/StatementFile.h"

#include <QCoreApplication>

namespace ledgora {

// Runs one of the readers' parsers to its end. What it refuses arrives as a thrown
// StatementRefusal, so the first fault ends the reading wherever it is found; a sum beyond
// what an amount holds is the file's fault too, and refused at the parser's place. Any other
// run-time error is not the file's, and goes on to the caller as it came.
template <class Parser> StatementFile readOrRefuse(Parser& parser) {
    try {
        return parser.run();
    } catch (const StatementRefusal& refusal) {
        return StatementFile::refused(refusal);
    } catch (const RuntimeError& error) {
        if (error.kind() != RuntimeError::Kind::Overflow)
            throw;
        return StatementFile::refused(
            parser.refusal(QCoreApplication::translate("StatementReader",
                                                       "los importes suman más de lo que cabe (%1)")
                               .arg(error.description())));
    }
}

} // namespace ledgora
