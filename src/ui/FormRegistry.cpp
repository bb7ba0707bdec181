#include "ui/FormRegistry.h"

#include "ui/Form.h"

#include <QPointer>

#include <algorithm>

namespace lumora::ui {

namespace {
std::vector<QPointer<Form>> &forms()
{
    static std::vector<QPointer<Form>> instances;
    std::erase_if(instances, [](const QPointer<Form> &f) { return f.isNull(); });
    return instances;
}
} // namespace

Form *FormRegistry::find(std::string_view name)
{
    for (const auto &form : forms()) {
        if (form->formName() == name)
            return form;
    }
    return nullptr;
}

std::vector<Form *> FormRegistry::loaded()
{
    std::vector<Form *> result;
    for (const auto &form : forms())
        result.push_back(form);
    return result;
}

void FormRegistry::add(Form *form)
{
    forms().emplace_back(form);
}

void FormRegistry::forget(const Form *form)
{
    std::erase_if(forms(), [form](const QPointer<Form> &f) { return f == form; });
}

void FormRegistry::discardAll()
{
    const std::vector<Form *> all = loaded();
    forms().clear();
    for (Form *form : all)
        form->discard();
}

} // namespace lumora::ui
