#include "ClassRegistry.h"

#include "RuntimeError.h"

#include <QHash>

namespace ledgora {

namespace {
QHash<QString, ClassRegistry::Factory>& table() {
    static QHash<QString, ClassRegistry::Factory> classes;
    return classes;
}
} // namespace

void ClassRegistry::registerClass(const QString& classId, Factory factory) {
    table().insert(classId.toLower(), std::move(factory));
}

void ClassRegistry::unregisterClass(const QString& classId) {
    table().remove(classId.toLower());
}

std::unique_ptr<QObject> ClassRegistry::create(const QString& classId) {
    const auto it = table().constFind(classId.toLower());
    if (it == table().constEnd())
        throw RuntimeError::cannotCreateObject();
    auto object = (*it)();
    if (!object)
        throw RuntimeError::cannotCreateObject();
    return object;
}

} // namespace ledgora
