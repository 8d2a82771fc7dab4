#pragma once

#include <QColor>
#include <QString>

namespace ledgora {

class FlexGrid;

enum class BalanceLabel { lbTOTRBCO, lbTOTRCNT };

// What the ledger routines write on the main ledger screen: its movement grid, its two
// balance labels and its status-bar panels. The main screen implements it and announces
// itself while it is loaded.
class MainScreenPort {
public:
    virtual ~MainScreenPort() = default;

    virtual FlexGrid& LstBNK() = 0;
    virtual void setBalanceText(BalanceLabel label, const QString& text) = 0;
    virtual QString balanceText(BalanceLabel label) const = 0;
    virtual void setBalanceColor(BalanceLabel label, const QColor& color) = 0;
    virtual void setStatusPanel(int panel, const QString& text) = 0;

    // The loaded main screen, or nothing.
    static MainScreenPort* current() { return current_; }
    static void setCurrent(MainScreenPort* screen) { current_ = screen; }

private:
    static inline MainScreenPort* current_ = nullptr;
};

} // namespace ledgora
