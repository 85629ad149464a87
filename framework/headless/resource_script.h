#pragma once

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "framework/backend.h"

// The parts of a resource script the headless backend models: dialog templates with their
// controls, combo-box init data, the string table, which icons and bitmaps exist. The script
// keeps to a small subset (every control a CONTROL statement, ids from resource.h); anything
// outside it is refused with its line number rather than guessed at.

namespace fw {
namespace headless {

struct ControlTemplate {
    int id = 0;
    std::string text;
    int imageResource = 0;  // SS_ICON / SS_BITMAP statics name a resource in the text position
    std::string className;
    ControlKind kind = ControlKind::kStatic;
    std::set<std::string> styles;  // style names set on the control (NOT-ed ones left out)
    bool visible = true;           // CONTROL is WS_CHILD | WS_VISIBLE unless NOT WS_VISIBLE
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    int line = 0;

    bool HasStyle(const std::string& name) const { return styles.count(name) != 0; }
};

struct DialogTemplate {
    int id = 0;
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    std::string caption;
    std::set<std::string> styles;
    std::vector<ControlTemplate> controls;  // tab order
    // Combo-box items (control id, item), in the order they are added.
    std::vector<std::pair<int, std::string>> initItems;
    int line = 0;

    bool HasStyle(const std::string& name) const { return styles.count(name) != 0; }
    // nullptr when there is none; kIdcStatic is never found (it names many labels).
    const ControlTemplate* FindControl(int id) const;
};

struct ResourceScript {
    std::map<std::string, int> symbols;  // resource.h and the standard ids (IDOK...)
    std::map<int, DialogTemplate> dialogs;
    std::map<int, std::string> strings;
    std::set<int> icons;
    std::set<int> bitmaps;
};

// `#define NAME number` lines; include guards and other directives are skipped.
std::map<std::string, int> ParseResourceHeader(const std::string& headerText);

// Throws FrameworkError naming the line for anything outside the subset or inconsistent (an
// unknown symbol, a duplicate control id, init data for a control that is not a combo box, an
// image static naming a missing resource).
ResourceScript ParseResourceScript(const std::string& scriptText, const std::string& headerText);

}  // namespace headless
}  // namespace fw
