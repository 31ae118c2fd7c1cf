#include "DialogUnits.h"

#include <QFontMetrics>

namespace framework {

namespace {
// Rounds as the classic MulDiv does, for the non-negative values templates hold.
int MulDiv(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}
} // namespace

QFont TemplateFont(const std::string& face, int points)
{
    // Templates name the classic 8-point bitmap sans face, which Linux lacks.
    // Liberation Sans is metric-compatible with the classic sans faces and is
    // installed with the program's dependencies.
    QString family = QString::fromStdString(face);
    if (family == u"MS Sans Serif" || family == u"MS Shell Dlg" || family.isEmpty())
        family = QStringLiteral("Liberation Sans");
    QFont font(family);
    font.setPointSize(points > 0 ? points : 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

BaseUnits BaseUnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

QRect MapDialogRect(const BaseUnits& units, int x, int y, int cx, int cy)
{
    return {MulDiv(x, units.x, 4), MulDiv(y, units.y, 8), MulDiv(cx, units.x, 4), MulDiv(cy, units.y, 8)};
}

} // namespace framework
