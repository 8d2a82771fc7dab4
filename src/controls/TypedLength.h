#pragma once

#include <QValidator>

class QLineEdit;

namespace ledgora {

// Limits what a person types into a box to a number of characters, while a text the screen
// writes itself may be longer and is shown whole (a proposed number "1000" in a box meant for
// three digits). A plain maximum length would cut the screen's own text as well.
class TypedLength final : public QValidator {
    Q_OBJECT
public:
    TypedLength(int maxTyped, QObject* parent);
    State validate(QString& input, int& pos) const override;

    // Installs the limit on a box.
    static void apply(QLineEdit* box, int maxTyped);

private:
    int max_;
};

} // namespace ledgora
