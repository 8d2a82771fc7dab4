#pragma once

#include "AuditListScreen.h"

#include <cstdint>

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
    QString account_;
    std::int64_t number_ = 0;
};

} // namespace ledgora
