#pragma once

class QWidget;

namespace ledgora {

// Keeps a window above all other windows (true) or lets it go back among them (false).
// Gives a non-zero value when it was asked to keep the window above, 0 otherwise.
long SiempreVisible(QWidget* window, bool always);

} // namespace ledgora
