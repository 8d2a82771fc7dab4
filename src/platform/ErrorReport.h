#pragma once

#include "MessageBoxes.h"
#include "core/RuntimeError.h"

#include <QString>

namespace ledgora {

// Reports a trapped run-time error the way the routines do: its number, a separator
// (" / " or " - "), its description and, when the routine names itself, two line breaks
// and the routine's section label.
inline void reportError(const RuntimeError& error, const QString& separator,
                        const QString& section = {}, MsgIcon icon = MsgIcon::Critical,
                        bool systemModal = false) {
    QString text = QString::number(error.number()) + separator + error.description();
    if (!section.isEmpty())
        text += QStringLiteral("\r\n\r\n") + section;
    MsgBox(text, icon, MsgButtons::Ok, systemModal);
}

} // namespace ledgora

namespace ledgora {

// Runs what an event handler does. The routines trap their own errors; one that escapes
// anyway is reported here instead of tearing down the event loop.
template <typename Handler> void guardEvent(Handler&& handler) {
    try {
        handler();
    } catch (const RuntimeError& error) {
        reportError(error, QStringLiteral(" - "));
    } catch (const std::exception& error) {
        reportError(RuntimeError(51, QStringLiteral("Error interno: ") +
                                         QString::fromLocal8Bit(error.what())),
                    QStringLiteral(" - "));
    } catch (...) {
        reportError(RuntimeError(51, QStringLiteral("Error interno")), QStringLiteral(" - "));
    }
}

} // namespace ledgora
