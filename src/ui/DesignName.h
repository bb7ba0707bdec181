#pragma once

#include "ui/Design.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

// The names a window's code gives its controls and menu entries, looked up in its design when the
// code is compiled. A name the design has no row for, or a row of another kind than the code takes
// there, fails the build; the compiler's note under the failed assertion names the design and the
// control, e.g. hasRowFor<levelSelectionDesign, DesignName<9>{"cmdStart"}>.
namespace lumora::ui {

// A name as a template argument: control<"cmdStart">().
template <std::size_t N>
struct DesignName
{
    char text[N]{};

    consteval DesignName(const char (&name)[N]) { std::copy_n(name, N, text); }
    // A name held in other constexpr data, such as the round's set of controls.
    consteval explicit DesignName(std::string_view name) { std::copy_n(name.data(), N - 1, text); }

    constexpr std::string_view view() const { return {text, N - 1}; }
};

// What a design says of a name: whether it has a row, its kind, whether it is a control array.
struct RowFacts
{
    bool found = false;
    ControlKind kind = ControlKind::Label;
    bool array = false;
};

constexpr RowFacts factsOf(const FormDesign &design, std::string_view name)
{
    const auto row = std::ranges::find(design.controls, name, &ControlDesign::name);
    if (row == design.controls.end())
        return {};
    return {.found = true, .kind = row->kind, .array = row->index >= 0};
}

template <auto design, DesignName name>
inline constexpr RowFacts rowFacts = factsOf(design(), name.view());

template <auto design, DesignName name>
inline constexpr bool hasRowFor = rowFacts<design, name>.found;

// A name without a row passes: hasRowFor reports it.
template <auto design, DesignName name, ControlKind... kinds>
inline constexpr bool isKind = !rowFacts<design, name>.found || ((rowFacts<design, name>.kind == kinds) || ...);

// Code names an element of a control array by its index, which is checked at run time.
template <auto design, DesignName name>
inline constexpr bool isControlArray = rowFacts<design, name>.array;

template <auto design, DesignName name>
inline constexpr bool hasMenuEntryFor = [] {
    const FormDesign d = design();
    return std::ranges::find(d.menus, name.view(), &MenuDesign::name) != d.menus.end();
}();

// Designs with the same rows, in other places: each control of one is in the other, of the same
// kind and both a control array or neither, and so is each menu entry.
constexpr bool sameRows(const FormDesign &a, const FormDesign &b)
{
    const auto covers = [](const FormDesign &x, const FormDesign &y) {
        return std::ranges::all_of(x.controls,
                                   [&](const ControlDesign &c) {
                                       const RowFacts f = factsOf(y, c.name);
                                       return f.found && f.kind == c.kind && f.array == (c.index >= 0);
                                   })
            && std::ranges::all_of(x.menus, [&](const MenuDesign &m) {
                   return std::ranges::find(y.menus, m.name, &MenuDesign::name) != y.menus.end();
               });
    };
    return covers(a, b) && covers(b, a);
}

// FormBuilder builds rows in order: a control's frame and a menu entry's parent come before it.
constexpr bool containersAreFramesAbove(const FormDesign &design)
{
    const auto &rows = design.controls;
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        const auto frame =
            std::find_if(rows.begin(), row, [&](const ControlDesign &c) { return c.name == row->container; });
        if (!row->container.empty() && (frame == row || frame->kind != ControlKind::Frame))
            return false;
    }
    return true;
}

constexpr bool menuParentsAreAbove(const FormDesign &design)
{
    const auto &rows = design.menus;
    for (auto row = rows.begin(); row != rows.end(); ++row) {
        if (!row->parent.empty()
            && std::find_if(rows.begin(), row, [&](const MenuDesign &m) { return m.name == row->parent; }) == row)
            return false;
    }
    return true;
}

// Rows that share a name are the elements of one control array: one kind, each its own index.
constexpr bool namesAreDistinct(const FormDesign &design)
{
    const auto &rows = design.controls;
    for (auto a = rows.begin(); a != rows.end(); ++a) {
        for (auto b = a + 1; b != rows.end(); ++b) {
            if (a->name == b->name && (a->index < 0 || b->index < 0 || a->index == b->index || a->kind != b->kind))
                return false;
        }
    }
    return true;
}

} // namespace lumora::ui
