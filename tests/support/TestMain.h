#pragma once

#include "core/RuntimeError.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// Each subsystem's tests run as one program: every test class registers itself here, and the
// program's main runs them one after another.
namespace lumora::test {

using TestClassFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<TestClassFactory> &registeredTestClasses()
{
    static std::vector<TestClassFactory> classes;
    return classes;
}

// A column of data-driven tests: the step a row runs.
using Step = std::function<void()>;

// The number of the run-time error `call` raises, 0 for none.
template <typename Call>
int raisedError(Call call)
{
    try {
        call();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace lumora::test

Q_DECLARE_METATYPE(lumora::test::Step)

#define LUMORA_REGISTER_TEST(TestClass)                                                              \
    static const bool registered##TestClass = (lumora::test::registeredTestClasses().push_back(     \
                                                   [] { return std::unique_ptr<QObject>(new TestClass); }), \
                                               true);
