#pragma once

#include "core/RuntimeError.h"

#include <string_view>
#include <vector>

namespace lumora::ui {

class Form;

// One instance per window, process-wide. A window is created and loaded when it is first
// referred to, and forgotten when it closes, so the next reference builds it afresh.
class FormRegistry
{
public:
    static Form *find(std::string_view name);

    // The window of that name, made by `make` unless it exists. One of another class under the
    // name raises "Type mismatch".
    template <typename F, typename Make>
    static F &reference(std::string_view name, Make make)
    {
        if (Form *existing = find(name)) {
            if (auto *form = dynamic_cast<F *>(existing))
                return *form;
            lumora::raise(ErrorCode::TypeMismatch);
        }
        F *form = make();
        add(form);
        form->load();
        return *form;
    }

    static std::vector<Form *> loaded();
    static void forget(const Form *form);
    // The program's end: every window goes away without its close handler.
    static void discardAll();

private:
    static void add(Form *form);
};

} // namespace lumora::ui
