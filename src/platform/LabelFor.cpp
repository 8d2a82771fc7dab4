#include "LabelFor.h"

#include <QLabel>
#include <QRegularExpression>

namespace ledgora {

void labelFor(QLabel* label, QWidget* control) {
    label->setBuddy(control);
    static const QRegularExpression trailingColon(QStringLiteral(":\\s*$"));
    control->setAccessibleName(label->text().remove(trailingColon).trimmed());
}

} // namespace ledgora
