#include "control_table.h"

#include "keypad.h"

#include <QFontDatabase>

namespace control_table {

namespace {

constexpr FontSpec kBanner{Face::Proportional, 32, true};
constexpr FontSpec kQuantity{Face::FixedPitch, 19, true};
constexpr FontSpec kProgress{Face::Proportional, 21, true};
constexpr FontSpec kMark{Face::FixedPitch, 21, true};
constexpr FontSpec kScore{Face::Proportional, 24, true};
constexpr FontSpec kValue{Face::Proportional, 16, true};
constexpr FontSpec kClearKey{Face::Proportional, 13, true};
constexpr FontSpec kCredit{Face::Proportional, 11, false};

constexpr Qt::Alignment kCentred = Qt::AlignHCenter | Qt::AlignVCenter;
constexpr Qt::Alignment kRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

// A quantity label: a white caption on the window's black whose blank run
// the value box lies over.
ControlSpec QuantityLabel(const char* name, QRect geometry, const char* caption) {
    return {Kind::Label,
            name,
            geometry,
            QString::fromUtf8(caption),
            kQuantity,
            Colour::ButtonText,
            Colour::HighlightText,
            kTopLeft};
}

// A value box: disabled, centred, showing what the question gives.
ControlSpec ValueBox(const char* name, QRect geometry, const char* text) {
    return {Kind::TextBox,   name,     geometry, QString::fromUtf8(text), kValue, Colour::Default,
            Colour::Default, kCentred, false};
}

std::vector<ControlSpec> Build() {
    std::vector<ControlSpec> rows = {
        {Kind::Label,
         "Label1",
         {8, 0, 345, 41},
         "電流・電圧・抵抗の練習",
         kBanner,
         Colour::DarkBlue,
         Colour::Yellow,
         kTopLeft,
         true,
         true,
         true},
        {Kind::Label,
         "Label10",
         {360, 16, 241, 25},
         "",
         kWindowFont,
         Colour::ButtonText,
         Colour::HighlightText,
         kTopLeft},
        {Kind::Label,
         "Label8",
         {592, 72, 161, 25},
         "得点　　　　　　点",
         kProgress,
         Colour::ButtonText,
         Colour::HighlightText,
         kTopLeft},
        {Kind::Label,
         "Label9",
         {592, 152, 169, 25},
         "",
         kWindowFont,
         Colour::ButtonText,
         Colour::Yellow,
         kTopLeft,
         true,
         false},
        QuantityLabel("Label4", {112, 48, 145, 17}, "Ｅ１＝　　　Ｖ"),
        QuantityLabel("Label6", {336, 48, 145, 17}, "Ｅ２＝　　　Ｖ"),
        QuantityLabel("Label2", {112, 144, 145, 17}, "Ｒ１＝　　　Ω"),
        QuantityLabel("Label5", {336, 144, 145, 17}, "Ｒ２＝　　　Ω"),
        QuantityLabel("Label7", {264, 240, 121, 17}, "Ｅ＝　　　Ｖ"),
        QuantityLabel("Label3", {56, 272, 121, 17}, "Ｉ＝　　　Ａ"),

        ValueBox("Text4", {176, 40, 57, 25}, "ｅ１"),
        ValueBox("Text9", {400, 40, 57, 25}, "ｅ２"),
        ValueBox("Text5", {176, 136, 57, 25}, "ｒ１"),
        ValueBox("Text8", {400, 136, 57, 25}, "ｒ２"),
        ValueBox("Text10", {304, 232, 57, 25}, "e"),
        ValueBox("Text6", {96, 264, 57, 28}, ""),
        {Kind::TextBox,
         "Text12",
         {640, 64, 81, 33},
         "",
         kScore,
         Colour::Default,
         Colour::Default,
         kCentred},
        {Kind::TextBox,
         "Text7",
         {584, 304, 145, 33},
         "",
         kWindowFont,
         Colour::Default,
         Colour::Default,
         kRight},
        {Kind::TextBox,
         "Text11",
         {600, 552, 185, 20},
         "オームの法則ドリル　Ver. 1.00",
         kCredit,
         Colour::Default,
         Colour::Default,
         Qt::AlignLeft | Qt::AlignVCenter,
         false},
    };

    // The progress and mark cells as created, two rows of ten; start-up moves
    // them into their places.
    const auto cell = [](const char* array, int i, int top, FontSpec font) {
        return ControlSpec{Kind::TextBox,
                           ElementName(array, i),
                           {104 + 40 * (i - 1), top, 41, 33},
                           "",
                           font,
                           Colour::Default,
                           Colour::Default,
                           kCentred,
                           false};
    };
    for (int i = 1; i <= 10; ++i) {
        rows.push_back(cell("Text1", i, 496, kProgress));
    }
    for (int i = 1; i <= 10; ++i) {
        rows.push_back(cell("Text2", i, 528, kMark));
    }

    rows.push_back({Kind::Button, "Command1", {688, 8, 97, 33}, "終　了", kValue});
    // The keypad: 49 x 33 buttons at steps of 48 across and 32 down, so that
    // neighbours share their edge pixels.
    for (int index = 0; index < drill::kKeyCount; ++index) {
        const drill::KeypadKey& key = drill::KeyOf(index);
        rows.push_back({Kind::Button,
                        ElementName("Command2", index),
                        {584 + 48 * key.column, 336 + 32 * key.row, 49, 33},
                        QString::fromUtf8(key.caption),
                        index == drill::kClearKey ? kClearKey : kWindowFont});
    }
    rows.push_back({Kind::Button, "Command3", {584, 464, 145, 33}, "入　　力", kWindowFont});
    rows.push_back({Kind::Button, "Command5", {736, 464, 57, 33}, "次", kWindowFont});
    return rows;
}

} // namespace

const FontSpec kWindowFont{Face::Proportional, 19, true};

const std::vector<ControlSpec>& Controls() {
    static const std::vector<ControlSpec> rows = Build();
    return rows;
}

QString ElementName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

namespace {

// The first of the faces that is installed, alone; the whole list when none
// is. A font that names a list of faces has the toolkit look up fallback
// faces for each of its sizes and scripts at once, a search through all the
// system's fonts that start-up need not pay when the face is there.
QStringList FirstInstalled(const QStringList& faces) {
    // The installed faces by their own names: asking for one name at a time
    // would also have fontconfig work out every alias of each name.
    static const QStringList installed = QFontDatabase::families();
    for (const QString& face : faces) {
        if (installed.contains(face, Qt::CaseInsensitive)) {
            return {face};
        }
    }
    return faces;
}

} // namespace

QFont MakeFont(const FontSpec& wanted) {
    QFont font;
    // The faces of Japanese Windows where they are installed, else the IPA
    // gothic faces of the same kind. The fonts are installed or not for the
    // whole run, so they are looked up once.
    static const QStringList proportional =
        FirstInstalled({QString::fromUtf8("ＭＳ Ｐゴシック"), "IPAPGothic"});
    static const QStringList fixedPitch =
        FirstInstalled({QString::fromUtf8("ＭＳ ゴシック"), "IPAGothic"});
    font.setFamilies(wanted.face == Face::Proportional ? proportional : fixedPitch);
    font.setStyleHint(wanted.face == Face::Proportional ? QFont::SansSerif : QFont::Monospace);
    font.setPixelSize(wanted.pixelSize);
    font.setWeight(wanted.bold ? QFont::Bold : QFont::Normal);
    return font;
}

QPoint ProgressCellPlace(int i) {
    return {50 + 36 * i, 445};
}
QPoint MarkCellPlace(int i) {
    return {50 + 36 * i, 477};
}

} // namespace control_table
