#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace ledgora {

// Object creation by class identifier, as a host creates "Ledgora.clMain" and the module
// creates "Datorix.clManejo". A class nobody registered cannot be created: error 429.
class ClassRegistry {
public:
    using Factory = std::function<std::unique_ptr<QObject>()>;

    static void registerClass(const QString& classId, Factory factory);
    static void unregisterClass(const QString& classId);
    static std::unique_ptr<QObject> create(const QString& classId);
};

// Creates by class identifier and hands back the object as the class the caller expects.
template <typename T> std::unique_ptr<T> CreateObject(const QString& classId) {
    std::unique_ptr<QObject> object = ClassRegistry::create(classId);
    if (auto* typed = qobject_cast<T*>(object.get())) {
        object.release();
        return std::unique_ptr<T>(typed);
    }
    return nullptr;
}

} // namespace ledgora
