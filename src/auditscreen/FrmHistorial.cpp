#include "FrmHistorial.h"
#include "AuditRoutines.h"

#include "audit/AuditTrail.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "domain/SharedState.h"
#include "platform/MessageBoxes.h"
#include "platform/VirtualKeys.h"

#include <QLabel>

namespace ledgora {

FrmHistorial::FrmHistorial()
    : AuditListScreen(tr("HISTORIAL DEL MOVIMIENTO"), "lstHIS",
                      {tr("Fecha y hora"), tr("Usuario"), tr("Programa"), tr("Rutina"),
                       tr("Operación"), tr("Cambios")},
                      {1900, 1300, 1500, 2100, 1300, 6000},
                      tr("FLECHAS, RE PÁG y AV PÁG [Recorrer] - ENTER [Ver] - ESC [Salir]")) {
    grid().setKeyDownHandler([this](int& keyCode, int shift) { lstHIS_KeyDown(keyCode, shift); });
}

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
    showRows(std::move(changes), [](const AuditEntry& change, int column) {
        switch (column) {
        case 0:
            return localMoment(change);
        case 1:
            return change.user;
        case 2:
            return change.program;
        case 3:
            return change.routine;
        case 4:
            return change.operationText();
        default:
            return change.changesText();
        }
    });
    if (!shown().empty())
        grid().goToRow(grid().rows() - 1);
    status().setPanelText(1, shown().size() == 1 ? tr("1 cambio")
                                                 : tr("%1 cambios").arg(shown().size()));
}

void FrmHistorial::lstHIS_KeyDown(int& keyCode, int) {
    const int row = grid().row();
    if (keyCode != vk::Return || row < 1 || row > int(shown().size()))
        return;
    const AuditEntry& change = shown()[std::size_t(row - 1)];
    MsgBox(QStringLiteral("%1 - %2 (%3, %4)\n\n%5")
               .arg(change.operationText(), localMoment(change), change.user, change.routine,
                    change.changesText(QStringLiteral("\n"))));
}

} // namespace ledgora
