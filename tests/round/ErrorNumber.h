#pragma once

#include "ui/RuntimeError.h"

namespace lumora::test {

// The run-time error number a step raises, 0 when it raises none.
template <typename Step>
int errorNumber(Step step)
{
    try {
        step();
    } catch (const RuntimeError &error) {
        return error.number();
    }
    return 0;
}

} // namespace lumora::test
