#pragma once
// A dialog template as the resource file declares it: sizes in dialog units.

#include <string>
#include <vector>

namespace framework {

enum class ControlKind { Button, Static, Edit, Icon };

struct ControlTemplate {
    int id = -1;
    ControlKind kind = ControlKind::Static;
    std::string text;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::vector<std::string> styles;
    bool Has(const char* style) const;
};

struct DialogTemplate {
    unsigned id = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    std::string caption;
    std::string fontFace;
    int fontPoints = 8;
    std::vector<std::string> styles;
    std::vector<std::string> exStyles;
    std::vector<ControlTemplate> controls;
    bool Has(const char* style) const;
};

} // namespace framework
