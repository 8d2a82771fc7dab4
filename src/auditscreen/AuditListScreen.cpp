#include "AuditListScreen.h"

#include "AuditRows.h"
#include "audit/AuditEntry.h"
#include "controls/FlexGrid.h"
#include "controls/PanelStatusBar.h"
#include "controls/TitleBanner.h"
#include "domain/ModuleUtilities.h"
#include "platform/Twips.h"
#include "platform/VirtualKeys.h"

#include <QVBoxLayout>
#include <algorithm>

namespace ledgora {

namespace {

// Design sizes, in twips.
constexpr int kWidth = 14400;
constexpr int kHeight = 6000;

} // namespace

AuditListScreen::AuditListScreen(const QString& title, const char* gridName,
                                 const QStringList& headers, const std::vector<int>& widths,
                                 const QString& keys) {
    setCaption(QString()); // the banner carries the title
    setKeyPreview(true);
    resize(Twips::toPixelsX(kWidth), Twips::toPixelsY(kHeight));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    banner_ = TitleBanner::heading(title, this);
    subtitle_ = new QLabel(this);
    subtitle_->setObjectName(QStringLiteral("lbTITULO"));
    subtitle_->setContentsMargins(8, 0, 8, 0);

    grid_ = new FlexGrid(this);
    grid_->setObjectName(QString::fromLatin1(gridName));
    grid_->setAccessibleName(title);
    grid_->setCols(int(headers.size()));
    for (int c = 0; c < int(headers.size()); ++c) {
        grid_->setTextMatrix(0, c, headers.at(c));
        grid_->setColWidth(c, widths.at(std::size_t(c)));
    }
    grid_->setRows(1);

    StBar_ = new PanelStatusBar(2, this);
    StBar_->setObjectName(QStringLiteral("StBar"));
    StBar_->setPanelText(2, keys);

    layout->addWidget(banner_);
    layout->addWidget(subtitle_);
    layout->addWidget(grid_, 1);
    layout->addWidget(StBar_);
}

AuditListScreen::~AuditListScreen() = default;

void AuditListScreen::Form_KeyDown(int& keyCode, int) {
    if (keyCode == vk::Escape) {
        keyCode = 0;
        GP_DESCARGAR(*this);
    }
}

void AuditListScreen::showRows(std::vector<AuditEntry> entries,
                               QString (*cell)(const AuditEntry& entry, int column)) {
    const int current = grid_->row();
    rows_ = std::make_shared<const AuditRows>(std::move(entries), grid_->cols(), cell);
    const int count = rows_->rowCount();
    grid_->setRows(count + 1);
    if (count > 0) {
        grid_->setRow(1);
        grid_->setCol(0);
        grid_->setRowSel(count);
        grid_->setColSel(grid_->cols() - 1);
        grid_->setClip(rows_);
        grid_->goToRow(std::clamp(current, 1, count));
    }
    grid_->setFocus();
}

const std::vector<AuditEntry>& AuditListScreen::shown() const {
    static const std::vector<AuditEntry> none;
    return rows_ ? rows_->entries() : none;
}

QString AuditListScreen::localMoment(const AuditEntry& entry) {
    return entry.moment().toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

} // namespace ledgora
