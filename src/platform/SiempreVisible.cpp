#include "SiempreVisible.h"

#include <QWidget>

namespace ledgora {

long SiempreVisible(QWidget* window, bool always) {
    if (!window)
        return 0;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, always);
    return always ? 1 : 0;
}

} // namespace ledgora
