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
    std::vector<AuditEntry> deleted;
    trapAudit([&] { deleted = MovementBin::deleted(requireManejo(), account_); },
              QStringLiteral("Seccion Papelera"));
    showRows(std::move(deleted), [](const AuditEntry& deletion, int column) {
        if (column == 0)
            return localMoment(deletion);
        if (column == 1)
            return deletion.user;
        const MovementImage movement = MovementImage::fromJson(deletion.before);
        switch (column) {
        case 2:
            return QString::number(movement.number);
        case 3:
            return rt::formatDateSlashed(movement.date);
        case 4:
            return movement.description.trimmed();
        default:
            return rt::formatAmount(movement.amount());
        }
    });
    status().setPanelText(1, shown().empty() ? tr("La papelera de esta cuenta está vacía.")
                                             : tr("Movimientos borrados: %1").arg(shown().size()));
}

void FrmPapelera::lstPAP_KeyDown(int& keyCode, int) {
    if (keyCode != vk::Return)
        return;
    keyCode = 0;
    PP_RECUPERAR();
}

void FrmPapelera::PP_RECUPERAR() {
    const int row = grid().row();
    if (row < 1 || row > int(shown().size()))
        return;
    const AuditEntry& deletion = shown().at(std::size_t(row - 1));
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
