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

    // The heading of a list screen added to the legacy ones: at the screen's type, centred,
    // a banner's height tall, named "Label1" as the legacy screens name theirs.
    static TitleBanner* heading(const QString& text, QWidget* parent);
};

} // namespace ledgora
