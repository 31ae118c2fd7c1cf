#pragma once
// Dialog units: a template's sizes scale with its font. The horizontal base
// unit is the average width of the 52 Latin letters, the vertical one the
// font's height; a rectangle maps as x * bx / 4 and y * by / 8.

#include <QFont>
#include <QRect>
#include <string>

namespace framework {

struct BaseUnits {
    int x = 0;
    int y = 0;
};

// The installed font that stands in for a template's face at `points`.
QFont TemplateFont(const std::string& face, int points);
BaseUnits BaseUnitsOf(const QFont& font);
QRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy);

} // namespace framework
