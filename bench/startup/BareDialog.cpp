// The floor for the start-up benchmark: a plain QDialog with the same size,
// font and controls as Kestrum's main dialog, built in code.
#include <QApplication>
#include <QDialog>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

namespace {

enum class Kind { Button, Edit, Label };

struct Control {
    Kind kind;
    const char* text;
    int x, y, cx, cy; // dialog units
};

constexpr int DialogWidth = 378;
constexpr int DialogHeight = 245;

constexpr Control Controls[] = {
    {Kind::Button, "Upload", 80, 217, 50, 14},
    {Kind::Button, "Cancel", 225, 216, 50, 14},
    {Kind::Label, "Type the location of your file here.", 95, 19, 160, 9},
    {Kind::Edit, "", 80, 38, 148, 13},
    {Kind::Label, "Type the address of the website to upload to", 80, 63, 149, 9},
    {Kind::Label, "(for example ftp.yoursite.com or www.yoursite.com)", 64, 73, 190, 9},
    {Kind::Edit, "", 77, 86, 158, 12},
    {Kind::Label, "Your Username and Password for the site.", 82, 105, 147, 11},
    {Kind::Edit, "", 87, 121, 132, 13},
    {Kind::Edit, "", 87, 143, 133, 15},
    {Kind::Label, "Username:", 45, 124, 35, 10},
    {Kind::Label, "Password:", 45, 144, 35, 11},
    {Kind::Label, "The directory to upload the file to: (Type 'root'  for the top directory)", 9, 173, 165, 20},
    {Kind::Edit, "", 175, 170, 155, 15},
    {Kind::Button, "Directory List", 60, 194, 87, 12},
    {Kind::Button, "Browse...", 254, 38, 60, 12},
};

// Dialog units to pixels, from the font's average character size, so both
// dialogs come out the same size.
struct Units {
    int x;
    int y;
};

Units UnitsOf(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return {(width / 26 + 1) / 2, metrics.height()};
}

int Scale(int value, int unit, int per)
{
    return (value * unit + per / 2) / per;
}

QRect ToPixels(const Units& u, int x, int y, int cx, int cy)
{
    return {Scale(x, u.x, 4), Scale(y, u.y, 8), Scale(cx, u.x, 4), Scale(cy, u.y, 8)};
}

QWidget* Make(const Control& c, QDialog* dialog)
{
    switch (c.kind) {
    case Kind::Button: {
        auto* button = new QPushButton(QString::fromUtf8(c.text), dialog);
        button->setDefault(c.text == Controls[0].text);
        QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
        return button;
    }
    case Kind::Edit:
        return new QLineEdit(dialog);
    case Kind::Label: {
        auto* label = new QLabel(QString::fromUtf8(c.text), dialog);
        label->setWordWrap(true);
        return label;
    }
    }
    return nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare dialog"));
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    dialog.setFont(font);
    const Units units = UnitsOf(font);
    dialog.setFixedSize(ToPixels(units, 0, 0, DialogWidth, DialogHeight).size());
    for (const Control& c : Controls)
        Make(c, &dialog)->setGeometry(ToPixels(units, c.x, c.y, c.cx, c.cy));
    return dialog.exec();
}
