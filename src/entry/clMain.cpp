#include "clMain.h"

#include "core/UiLanguage.h"

#include "domain/SharedState.h"
#include "platform/ErrorReport.h"

#include <atomic>

namespace ledgora {

namespace {
std::atomic<int> live{0};
}

clMain::clMain() {
    ++live;
}

clMain::~clMain() {
    --live;
}

int clMain::liveObjects() {
    return live;
}

void clMain::Show(const QString& sDBPATH) {
    gDBPath = sDBPATH;
    if (sDBPATH.isEmpty())
        return;
    UiLanguage::install(); // a host of its own may not have done it
    // Nothing may escape into the host: whatever the screens did not trap is told here.
    guardEvent([this] {
        frmBNKMain_->setLifecycle(&startup_);
        frmBNKMain_.showModal();
    });
}

} // namespace ledgora
