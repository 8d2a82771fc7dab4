#pragma once

#include "Startup.h"
#include "mainscreen/FrmBNKMain.h"
#include "platform/ScreenRef.h"

#include <QObject>
#include <QString>

namespace ledgora {

// The component's one public class, "Ledgora.clMain". Show runs the module's screens on the
// given database until the user closes the main ledger screen.
class clMain final : public QObject {
    Q_OBJECT
public:
    Q_INVOKABLE clMain();
    ~clMain() override;

    Q_INVOKABLE void Show(const QString& sDBPATH);

    // How many of these exist, so the library knows whether it may be unloaded.
    static int liveObjects();

private:
    Startup startup_;
    ScreenRef<FrmBNKMain> frmBNKMain_;
};

} // namespace ledgora
