#pragma once

#include <QTest>
#include <exception>

namespace ledgora::test {

// A test object whose functions may throw. Qt Test lets an exception that escapes a test
// function end the whole program, and the functions after it never run; here it is that
// function's (or that row's) failure, with its text, and the run goes on to the next.
template <class Test> class Guarded final : public Test {
public:
    Guarded() { meta_.d.static_metacall = &call; }
    // Qt Test finds and calls the functions through the object's meta-object: this one is the
    // class's own but for the call, which it wraps.
    const QMetaObject* metaObject() const override { return &meta_; }

private:
    static void call(QObject* object, QMetaObject::Call kind, int index, void** args) {
        try {
            Test::staticMetaObject.d.static_metacall(object, kind, index, args);
        } catch (const std::exception& error) {
            QTest::qFail(QByteArray("uncaught exception: ") + error.what(), __FILE__, __LINE__);
        } catch (...) {
            QTest::qFail("uncaught exception of an unknown type", __FILE__, __LINE__);
        }
    }

    QMetaObject meta_ = Test::staticMetaObject;
};

} // namespace ledgora::test

// QTEST_MAIN and QTEST_GUILESS_MAIN, for a test object whose functions may throw.
#define LEDGORA_TEST_MAIN(TestObject)                                                              \
    QTEST_MAIN_WRAPPER(ledgora::test::Guarded<TestObject>, QTEST_MAIN_SETUP())
#define LEDGORA_TEST_GUILESS_MAIN(TestObject)                                                      \
    QTEST_MAIN_WRAPPER(ledgora::test::Guarded<TestObject>, QTEST_QAPP_SETUP(QCoreApplication))
