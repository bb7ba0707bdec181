#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Each subsystem's tests run as one program: every test class registers itself here, and the
// program's main runs them one after another.
namespace lumora::test {

using TestClassFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<TestClassFactory> &registeredTestClasses();

template <typename TestClass>
struct TestClassRegistration
{
    TestClassRegistration()
    {
        registeredTestClasses().push_back([] { return std::make_unique<TestClass>(); });
    }
};

} // namespace lumora::test

#define LUMORA_REGISTER_TEST(TestClass) \
    static const lumora::test::TestClassRegistration<TestClass> registration##TestClass;
