#pragma once

#include "core/Money.h"
#include "core/RuntimeError.h"
#include "data/clManejo.h"

#include <QDate>
#include <QString>
#include <cstdint>
#include <memory>

// The state the screens and the ledger routines hand each other. It lives as long as the
// component is loaded; nothing resets it between two uses of the component.
namespace ledgora {

// The current account.
struct CuentaRecord {
    QString CNTSTNRO; // empty: no account chosen yet
    QString CNTSTNOM;
    std::int32_t UltimoMovimiento = 0;
    Money TOMDLAAC; // running total to be credited
    Money TOMDLADE; // to be debited
    Money TOMDLACR; // credited
    Money TOMDLDEB; // debited
};

// The movement handed to the edit screen.
struct MovimientoRecord {
    QString MOVDTALT; // as the grid shows it, dd/mm/yyyy
    QString MOVINNRO; // as the grid holds it
    QString MOVSTCPT;
    Money MOVDLAAC;
    Money MOVDLADE;
    Money MOVDLACR;
    Money MOVDLDEB;
    bool Modificado = false;
};

// The listing filter.
struct FiltroRecord {
    bool Activo = false;
    QString Concepto;
    QString Valor;
};

// A date interval, the start first.
struct IntervaloRecord {
    QDate desde;
    QDate hasta;
};

inline QString gDBPath;
inline std::unique_ptr<clManejo> gManejo;
inline QString gsSQL;
inline QDate gFechaDesde;
inline QDate gFechaHasta;
inline CuentaRecord gCuenta;
inline MovimientoRecord gMovimiento;
inline FiltroRecord gFiltro;

// The data-access object for a routine about to use it; without one the routine fails as the
// original did, with "object not set", into its own error trap.
inline clManejo& requireManejo() {
    if (!gManejo)
        throw RuntimeError::objectNotSet();
    return *gManejo;
}

} // namespace ledgora
