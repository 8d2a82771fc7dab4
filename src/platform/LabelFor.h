#pragma once

class QLabel;
class QWidget;

namespace ledgora {

// Ties a caption to the box or list it names: the label's mnemonic moves the focus there, and
// a screen reader announces the box by the caption's words (" Fecha:" is read "Fecha").
void labelFor(QLabel* label, QWidget* control);

} // namespace ledgora
