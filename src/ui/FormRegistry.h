#pragma once

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

    template <typename F, typename Make>
    static F &reference(std::string_view name, Make make)
    {
        if (Form *existing = find(name))
            return static_cast<F &>(*existing);
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
