#pragma once

#include "AuditListScreen.h"

#include <cstdint>
#include <vector>

namespace ledgora {

// Every change of one movement, oldest first: when, who, from which program and statement
// form, what kind of change and the values it changed. The latest change is the current row.
class FrmHistorial final : public AuditListScreen {
    Q_OBJECT
public:
    FrmHistorial();
    ~FrmHistorial() override;

    // The movement whose history is shown; set before the screen is shown.
    void setMovement(const QString& account, std::int64_t number);

protected:
    void Form_Load() override;

private:
    // ENTER: the current row's change whole, one value a line, as the grid's column cuts it.
    void lstHIS_KeyDown(int& keyCode, int shift);

    QString account_;
    std::int64_t number_ = 0;
};

} // namespace ledgora
