#include "FrmPapelera.h"
#include "AuditRoutines.h"

#include "audit/MovementBin.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "core/Conversions.h"
#include "domain/SharedState.h"
#include "platform/MessageBoxes.h"
#include "platform/VirtualKeys.h"

#include <QLabel>

namespace ledgora {

FrmPapelera::FrmPapelera()
    : AuditListScreen(
          tr("PAPELERA"), "lstPAP",
          {tr("Borrado el"), tr("Por"), tr("Nº"), tr("Fecha"), tr("Descripción"), tr("Importe")},
          {1900, 1300, 700, 1305, 5055, 1305}, tr("ENTER [Recuperar] - ESC [Salir]")) {
    for (int c : {2, 3, 5})
        grid().setColAlignment(c, FlexGrid::CenterCenter);
    grid().setKeyDownHandler([this](int& keyCode, int shift) { lstPAP_KeyDown(keyCode, shift); });
}

FrmPapelera::~FrmPapelera() = default;

void FrmPapelera::setAccount(const QString& number, const QString& name) {
    account_ = number;
    name_ = name;
}

void FrmPapelera::Form_Load() {
    subtitle().setText(tr("Cuenta %1 - %2").arg(account_.trimmed(), name_.trimmed()));
    loadBin();
}

void FrmPapelera::loadBin() {
    deleted_.clear();
    trapAudit([this] { deleted_ = MovementBin::deleted(requireManejo(), account_); },
              QStringLiteral("Seccion Papelera"));
    std::vector<QStringList> rows;
    for (const AuditEntry& deletion : deleted_) {
        const MovementImage movement = MovementImage::fromJson(deletion.before);
        rows.push_back({localMoment(deletion), deletion.user, QString::number(movement.number),
                        rt::formatDateSlashed(movement.date), movement.description.trimmed(),
                        rt::formatAmount(movement.amount())});
    }
    showRows(rows);
    status().setPanelText(1, deleted_.empty()
                                 ? tr("La papelera de esta cuenta está vacía.")
                                 : tr("Movimientos borrados: %1").arg(deleted_.size()));
}

void FrmPapelera::lstPAP_KeyDown(int& keyCode, int) {
    if (keyCode != vk::Return)
        return;
    keyCode = 0;
    PP_RECUPERAR();
}

void FrmPapelera::PP_RECUPERAR() {
    const int row = grid().row();
    if (row < 1 || row > int(deleted_.size()))
        return;
    const AuditEntry& deletion = deleted_.at(std::size_t(row - 1));
    // Bringing a movement back changes the account's totals: asked first, as a removal is.
    if (MsgBox(tr("¿Recuperar el movimiento %1?")
                   .arg(movementInWords(MovementImage::fromJson(deletion.before))),
               MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes)
        return;
    TakeBackOutcome outcome;
    if (!trapAudit([&] { outcome = MovementBin::restore(requireManejo(), deletion); },
                   QStringLiteral("Seccion Papelera")))
        return;
    // Read again whatever the outcome: a refusal means another person took it back first.
    loadBin();
    if (outcome.done())
        Q_EMIT movementRestored();
    tellTakeBack(outcome);
}

} // namespace ledgora
