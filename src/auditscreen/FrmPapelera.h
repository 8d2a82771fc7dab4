#pragma once

#include "AuditListScreen.h"

#include <vector>

namespace ledgora {

// The account's deleted movements not brought back yet, the latest deletion first. ENTER
// brings the current one back under its old number if it is free, else the next.
class FrmPapelera final : public AuditListScreen {
    Q_OBJECT
public:
    FrmPapelera();
    ~FrmPapelera() override;

    // The account whose bin is shown; set before the screen is shown.
    void setAccount(const QString& number, const QString& name);

Q_SIGNALS:
    // A movement is back in the account: the main listing is out of date.
    void movementRestored();

protected:
    void Form_Load() override;

private:
    void lstPAP_KeyDown(int& keyCode, int shift);
    void loadBin();
    void PP_RECUPERAR();

    QString account_;
    QString name_;
};

} // namespace ledgora
