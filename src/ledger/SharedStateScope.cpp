#include "SharedStateScope.h"

#include "domain/SharedState.h"
#include "platform/MessageBoxes.h"

#include <optional>

namespace ledgora {

struct SharedStateScope::Saved {
    QString dbPath = gDBPath;
    std::unique_ptr<clManejo> manejo = std::move(gManejo);
    QString sql = gsSQL;
    QDate desde = gFechaDesde;
    QDate hasta = gFechaHasta;
    CuentaRecord cuenta = gCuenta;
    MovimientoRecord movimiento = gMovimiento;
    FiltroRecord filtro = gFiltro;
    std::optional<MessageBoxes::Handler> boxes; // set when the scope answers them
};

SharedStateScope::SharedStateScope(Boxes boxes) : saved_(std::make_unique<Saved>()) {
    if (boxes == Boxes::Answered)
        saved_->boxes = MessageBoxes::setHandler([this](const MessageBoxRequest& box) {
            if (firstMessage_.isEmpty())
                firstMessage_ = box.prompt.simplified();
            return MsgAnswer::Ok;
        });
}

SharedStateScope::~SharedStateScope() {
    if (saved_->boxes)
        MessageBoxes::setHandler(*saved_->boxes);
    gDBPath = saved_->dbPath;
    gManejo = std::move(saved_->manejo);
    gsSQL = saved_->sql;
    gFechaDesde = saved_->desde;
    gFechaHasta = saved_->hasta;
    gCuenta = saved_->cuenta;
    gMovimiento = saved_->movimiento;
    gFiltro = saved_->filtro;
}

} // namespace ledgora
