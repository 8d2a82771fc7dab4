#pragma once

#include "platform/Screen.h"

#include <QStringList>
#include <memory>
#include <vector>

class QLabel;

namespace ledgora {

class AuditRows;
class FlexGrid;
class PanelStatusBar;
struct AuditEntry;

// The look the audit trail's screens share: a title banner, a line naming what is listed, a
// grid the person only reads and moves through with the keyboard, and a status bar with what
// is listed and the keys. ESC closes the screen; leaving writes nothing.
class AuditListScreen : public Screen {
    Q_OBJECT
public:
    ~AuditListScreen() override;

    FlexGrid& grid() const { return *grid_; }
    QLabel& subtitle() const { return *subtitle_; }
    PanelStatusBar& status() const { return *StBar_; }

protected:
    AuditListScreen(const QString& title, const char* gridName, const QStringList& headers,
                    const std::vector<int>& widths, const QString& keys);

    void Form_KeyDown(int& keyCode, int shift) override;

    // One grid row for each entry, its cells made by `cell`, in place of every row before; the
    // row that was current stays current as far as the rows reach.
    void showRows(std::vector<AuditEntry> entries,
                  QString (*cell)(const AuditEntry& entry, int column));
    // The entries shown, one for each grid row from row 1.
    const std::vector<AuditEntry>& shown() const;
    // When the change was made, in the person's local time.
    static QString localMoment(const AuditEntry& entry);

private:
    QLabel* banner_ = nullptr;
    QLabel* subtitle_ = nullptr;
    FlexGrid* grid_ = nullptr;
    PanelStatusBar* StBar_ = nullptr;
    std::shared_ptr<const AuditRows> rows_;
};

} // namespace ledgora
