#include "AuditListScreen.h"

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

void AuditListScreen::showRows(const std::vector<QStringList>& rows) {
    const int current = grid_->row();
    grid_->setRows(int(rows.size()) + 1);
    for (int r = 0; r < int(rows.size()); ++r)
        for (int c = 0; c < grid_->cols(); ++c)
            grid_->setTextMatrix(r + 1, c, rows.at(std::size_t(r)).value(c));
    if (!rows.empty())
        grid_->goToRow(std::clamp(current, 1, int(rows.size())));
    grid_->setFocus();
}

QString AuditListScreen::localMoment(const AuditEntry& entry) {
    return entry.moment().toLocalTime().toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
}

} // namespace ledgora
