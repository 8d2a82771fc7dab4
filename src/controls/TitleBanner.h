#pragma once

#include <QLabel>

namespace ledgora {

// The dark band with a white bold title across the top of the entry screens, which carry
// their title there instead of in the window's caption.
class TitleBanner final : public QLabel {
    Q_OBJECT
public:
    TitleBanner(const QString& text, QWidget* parent);
};

} // namespace ledgora
