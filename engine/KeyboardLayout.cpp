#include "engine/LessonWindow.h"

namespace {

constexpr int kPitch = 720; // caps are 735 twips square, 720 apart
constexpr int kCap = 735;

// Caption and width (in caps) of each key of the on-screen keyboard, row by row.
struct Key {
    const char16_t* caption;
    int units4; // width in quarter caps
};

// clang-format off
const Key kRow1[] = {{u"半角／全角", 4}, {u"！\r１", 4}, {u"”\r２", 4}, {u"＃\r３", 4}, {u"＄\r４", 4},
    {u"％\r５", 4}, {u"＆\r６", 4}, {u"’\r７", 4}, {u"（\r８", 4}, {u"）\r９", 4}, {u"\r０", 4},
    {u"＝\r－", 4}, {u"￣\r＾", 4}, {u"｜\r￥", 4}, {u"Back\rSpace", 4}};
const Key kRow2[] = {{u"Tab", 6}, {u"Ｑ", 4}, {u"Ｗ", 4}, {u"Ｅ", 4}, {u"Ｒ", 4}, {u"Ｔ", 4},
    {u"Ｙ", 4}, {u"Ｕ", 4}, {u"Ｉ", 4}, {u"Ｏ", 4}, {u"Ｐ", 4}, {u"‘\r＠", 4}, {u"｛\r［", 4}};
const Key kRow3[] = {{u"Caps\rLock", 7}, {u"Ａ", 4}, {u"Ｓ", 4}, {u"Ｄ", 4}, {u"Ｆ", 4}, {u"Ｇ", 4},
    {u"Ｈ", 4}, {u"Ｊ", 4}, {u"Ｋ", 4}, {u"Ｌ", 4}, {u"＋\r；", 4}, {u"＊\r：", 4}, {u"｝\r］", 4}};
const Key kRow4[] = {{u"Shift", 9}, {u"Ｚ", 4}, {u"Ｘ", 4}, {u"Ｃ", 4}, {u"Ｖ", 4}, {u"Ｂ", 4},
    {u"Ｎ", 4}, {u"Ｍ", 4}, {u"＜\r，", 4}, {u"＞\r．", 4}, {u"？\r／", 4}, {u"＿\r＼", 4},
    {u"Shift", 7}};
const Key kRow5[] = {{u"Ctrl", 6}, {u"Win", 4}, {u"Alt", 4}, {u"無変換", 6}, {u"", 12},
    {u"変換", 6}, {u"カタカナ", 6}, {u"Alt", 4}, {u"Win", 4}, {u"Menu", 4}, {u"Ctrl", 4}};
// clang-format on

int widthOf(int units4) {
    return kPitch * units4 / 4 + (kCap - kPitch);
}

// Keypad caps: caption, column, row, width and height in caps.
struct Pad {
    int index;
    const char16_t* caption;
    int col, row, w, h;
};
const Pad kPad[] = {
    {16, u" Num   Lock", 0, 0, 1, 1}, {15, u"／", 1, 0, 1, 1}, {10, u"＊", 2, 0, 1, 1},
    {13, u"－", 3, 0, 1, 1},          {7, u"７", 0, 1, 1, 1},  {8, u"８", 1, 1, 1, 1},
    {9, u"９", 2, 1, 1, 1},           {11, u"＋", 3, 1, 1, 2}, {4, u"４", 0, 2, 1, 1},
    {5, u"５", 1, 2, 1, 1},           {6, u"６", 2, 2, 1, 1},  {1, u"１", 0, 3, 1, 1},
    {2, u"２", 1, 3, 1, 1},           {3, u"３", 2, 3, 1, 1},  {12, u"Enter", 3, 3, 1, 2},
    {0, u"０", 0, 4, 2, 1},           {14, u"．", 2, 4, 1, 1},
};

Control cap(const QString& name, int index, const QString& caption, Twips at) {
    Control c;
    c.kind = ControlKind::Label;
    c.name = name;
    c.index = index;
    c.caption = caption;
    c.accessibleName = QString(caption).replace(u'\r', u' ').simplified();
    c.geometry = at;
    c.backColor = colors::kLightGrey;
    c.alignment = Alignment::Center;
    c.fontSize = 8;
    c.wordWrap = true;
    c.border = true;
    return c;
}

Control shape(const QString& name, int index, ShapeKind kind, Twips at, quint32 fill) {
    Control c;
    c.kind = ControlKind::Shape;
    c.name = name;
    c.index = index;
    c.shape = kind;
    c.geometry = at;
    c.backColor = fill;
    c.foreColor = 0x606060;
    return c;
}

} // namespace

void LessonWindow::layOutKeyboard(int left, int top, int keypadLeft) {
    int index = 0;
    const auto row = [&](const auto& keys, int rowNo) {
        int x = left;
        for (const Key& k : keys) {
            AZ[index] = cap(QStringLiteral("AZ"), index, QString::fromUtf16(k.caption),
                            {x, top + rowNo * kPitch, widthOf(k.units4), kCap});
            x += kPitch * k.units4 / 4;
            ++index;
            if (index == 28) { // Enter spans rows 2 and 3 at the right end
                AZ[28] = cap(QStringLiteral("AZ"), 28, QStringLiteral("Enter"),
                             {left + 14 * kPitch, top + kPitch, kCap, kPitch + kCap});
                ++index;
            }
        }
    };
    row(kRow1, 0);
    row(kRow2, 1);
    row(kRow3, 2);
    row(kRow4, 3);
    row(kRow5, 4);
    AZ[59].accessibleName = QStringLiteral("Space");

    TK_F.kind = ControlKind::Frame;
    TK_F.name = QStringLiteral("TK_F");
    TK_F.geometry = {keypadLeft, top, 4 * kPitch + (kCap - kPitch), 5 * kPitch + (kCap - kPitch)};
    TK_F.accessibleName = QStringLiteral("テンキー");
    for (const Pad& p : kPad) {
        TK[p.index] = cap(
            QStringLiteral("TK"), p.index, QString::fromUtf16(p.caption),
            {p.col * kPitch, p.row * kPitch, (p.w - 1) * kPitch + kCap, (p.h - 1) * kPitch + kCap});
        TK[p.index].container = QStringLiteral("TK_F");
    }

    // The hands below the keyboard: little finger to index, the thumbs, index to little.
    const int fingerTop = top + 5 * kPitch + 240;
    const int xs[9] = {1920, 2400, 2880, 3360, 6240, 6720, 7200, 7680, 4800};
    const int lifts[9] = {240, 80, 0, 80, 80, 0, 80, 240, 520};
    for (int n = 0; n < 9; ++n) {
        const int x = left + xs[n];
        const int y = fingerTop + lifts[n];
        const int w = n == 8 ? 1200 : 360;
        Shape2[n] = shape(QStringLiteral("Shape2"), n, ShapeKind::RoundedRectangle,
                          {x, y + 240, w, 780 - lifts[n]}, 0xB4D7F5);
        F[n] = shape(QStringLiteral("F"), n, ShapeKind::Oval, {x, y, w, 360}, colors::kLightRed);
        Shape4[n] = shape(QStringLiteral("Shape4"), n, ShapeKind::Oval,
                          {x + w / 2 - 90, y + 60, 180, 120}, 0xF0F0FF);
    }
    F[8].accessibleName = QStringLiteral("親指");
    Shape1 = shape(QStringLiteral("Shape1"), -1, ShapeKind::RoundedRectangle,
                   {left + 1920, fingerTop + 1020, 1800, 600}, 0xB4D7F5);
    Shape2[9] = shape(QStringLiteral("Shape2"), 9, ShapeKind::RoundedRectangle,
                      {left + 6240, fingerTop + 1020, 1800, 600}, 0xB4D7F5);
}

void LessonWindow::addEngineControls(Control* keyboardCover) {
    // Palms first, so that fingers are drawn over them.
    add(Shape1);
    add(Shape2[9]);
    for (int n = 0; n < 9; ++n) {
        add(Shape2[n]);
        add(F[n]);
        add(Shape4[n]);
    }
    addAll(AZ);
    if (keyboardCover) add(*keyboardCover);
    add(TK_F);
    addAll(TK);
    for (Control* c : {&Tit, &K_P, &K_K, &S_T, &Z_T, &Z_G, &M_C, &N_L, &Miss, &BTim, &Tim, &TOKUTEN,
                       &LEV, &L, &H, &T, &Repeat, &Lesson_Select, &Timer1})
        add(*c);
}
