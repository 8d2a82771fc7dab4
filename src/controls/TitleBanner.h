#pragma once

#include <QLabel>

namespace ledgora {

// The dark band with a white bold title across the top of the entry screens, which carry
// their title there instead of in the window's caption.
class TitleBanner final : public QLabel {
    Q_OBJECT
public:
    // Large: the title a fifth larger than the screen's type; Normal: at the screen's type.
    enum class Size { Large, Normal };

    TitleBanner(const QString& text, QWidget* parent, Size size = Size::Large);
};

} // namespace ledgora
