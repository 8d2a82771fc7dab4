#include "SharedStateScope.h"

namespace ledgora {

SharedStateScope::SharedStateScope(Boxes boxes)
    : dbPath_(gDBPath), manejo_(std::move(gManejo)), sql_(gsSQL), desde_(gFechaDesde),
      hasta_(gFechaHasta), cuenta_(gCuenta), movimiento_(gMovimiento), filtro_(gFiltro),
      boxesAnswered_(boxes == Boxes::Answered) {
    if (boxesAnswered_)
        previousBoxes_ = MessageBoxes::setHandler([this](const MessageBoxRequest& box) {
            if (firstMessage_.isEmpty())
                firstMessage_ = box.prompt.simplified();
            return MsgAnswer::Ok;
        });
}

SharedStateScope::~SharedStateScope() {
    if (boxesAnswered_)
        MessageBoxes::setHandler(previousBoxes_);
    gDBPath = dbPath_;
    gManejo = std::move(manejo_);
    gsSQL = sql_;
    gFechaDesde = desde_;
    gFechaHasta = hasta_;
    gCuenta = cuenta_;
    gMovimiento = movimiento_;
    gFiltro = filtro_;
}

} // namespace ledgora
