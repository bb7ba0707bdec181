#pragma once

#include "core/RuntimeError.h"

#include <QMetaType>

#include <functional>

namespace lumora::test {

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
