#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

namespace ledgora {

// The free text every control carries for its screen's own use (its "Tag"), kept as a
// property of the control.
inline QString controlTag(const QObject* control) {
    return control ? control->property("Tag").toString() : QString();
}

inline void setControlTag(QObject* control, const QString& tag) {
    control->setProperty("Tag", tag);
}

} // namespace ledgora
