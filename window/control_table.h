#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <vector>

// The window's fifty-four controls as they are created, one row each.
namespace control_table {

enum class Kind { Label, TextBox, Button };

// The faces the window asks for, each with the installed Japanese gothic
// face of the same kind that stands in for it.
enum class Face { Proportional, FixedPitch };

struct FontSpec {
    Face face;
    int pixelSize;
    bool bold;
};

// The colours a control is painted in; Default leaves the platform's.
enum class Colour { Default, ButtonText, HighlightText, DarkBlue, Yellow };

struct ControlSpec {
    Kind kind;
    QString name; // "Text7", or for an element of a control array "Command2(5)"
    QRect geometry;
    QString text; // caption of a label or button, text of a text box
    FontSpec font;
    Colour back = Colour::Default;
    Colour fore = Colour::Default;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool enabled = true;
    bool visible = true;
    bool bordered = false; // labels only: a fixed single border
};

// Every control, labels first: labels lie beneath every text box and button.
const std::vector<ControlSpec>& Controls();

// The name of element `index` of a control array: "Text1(3)".
QString ElementName(const char* array, int index);

QFont MakeFont(const FontSpec& wanted);

// The window.
inline const QString kTitle = QStringLiteral("オームの法則（直列）");
inline constexpr QSize kClientSize{792, 573};
extern const FontSpec kWindowFont;

// Where the window's start-up puts the progress and mark cells.
QPoint ProgressCellPlace(int i);
QPoint MarkCellPlace(int i);

} // namespace control_table
