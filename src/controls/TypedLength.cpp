#include "TypedLength.h"

#include <QLineEdit>

namespace ledgora {

TypedLength::TypedLength(int maxTyped, QObject* parent) : QValidator(parent), max_(maxTyped) {}

QValidator::State TypedLength::validate(QString& input, int&) const {
    // A text already longer than the limit (written by the screen) may still be shortened.
    const auto* box = qobject_cast<const QLineEdit*>(parent());
    const int current = box ? int(box->text().size()) : 0;
    if (input.size() <= max_ || input.size() < current)
        return Acceptable;
    return Invalid;
}

void TypedLength::apply(QLineEdit* box, int maxTyped) {
    box->setValidator(new TypedLength(maxTyped, box));
}

} // namespace ledgora
