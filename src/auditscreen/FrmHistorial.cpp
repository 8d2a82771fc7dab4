#include "FrmHistorial.h"
#include "AuditRoutines.h"

#include "audit/AuditTrail.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "ledger/SharedState.h"

#include <QLabel>

namespace ledgora {

FrmHistorial::FrmHistorial()
    : AuditListScreen(tr("HISTORIAL DEL MOVIMIENTO"), "lstHIS",
                      {tr("Fecha y hora"), tr("Usuario"), tr("Programa"), tr("Rutina"),
                       tr("Operación"), tr("Cambios")},
                      {1900, 1300, 1500, 2100, 1300, 6000},
                      tr("FLECHAS, RE PÁG y AV PÁG [Recorrer] - ESC [Salir]")) {}

FrmHistorial::~FrmHistorial() = default;

void FrmHistorial::setMovement(const QString& account, std::int64_t number) {
    account_ = account;
    number_ = number;
}

void FrmHistorial::Form_Load() {
    subtitle().setText(tr("Cuenta %1 - Movimiento nº %2").arg(account_.trimmed()).arg(number_));
    std::vector<AuditEntry> changes;
    trapAudit([&] { changes = AuditTrail::history(requireManejo(), account_, number_); },
              QStringLiteral("Seccion Historial"));
    std::vector<QStringList> rows;
    for (const AuditEntry& change : changes)
        rows.push_back({localMoment(change), change.user, change.program, change.routine,
                        change.operationText(), change.changesText()});
    showRows(rows);
    if (!rows.empty())
        grid().goToRow(grid().rows() - 1);
    status().setPanelText(1, changes.size() == 1 ? tr("1 cambio")
                                                 : tr("%1 cambios").arg(changes.size()));
}

} // namespace ledgora
