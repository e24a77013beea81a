#pragma once

#include <QString>
#include <QStringList>

// A control of a fixed-layout window, as plain data. Handlers change it; the
// window layer draws it. Geometry is in twips, colours are &HBBGGRR values.

enum class ControlKind {
    Label,
    TextBox,
    Button,
    OptionButton,
    CheckBox,
    ListBox,
    ComboBox,
    Frame,
    Shape,
    ProgressBar,
    Timer,
    TabStrip,
    DriveList,  // the mounted volumes: items are their root paths, listIndex the chosen one
    FolderTree, // a tree of folders from rootPath; caption is the chosen folder's path
    Picture,    // a drawing named by picture; a press on it is a Click
};

enum class Alignment { Left, Right, Center };
enum class ShapeKind { Rectangle, Oval, RoundedRectangle };
enum class ImeMode { NoControl, On, Off, Hiragana };

namespace colors {
// A colour that leaves the platform's own look in place.
inline constexpr quint32 kDefault = 0xFFFFFFFFu;
// The system button face, as the platform's system colour index.
inline constexpr quint32 kButtonFace = 0x8000000Fu;
inline constexpr quint32 kRed = 0x0000FFu;
inline constexpr quint32 kBlue = 0xFF0000u;
inline constexpr quint32 kLightGrey = 0xE0E0E0u;
inline constexpr quint32 kLightRed = 0xC0C0FFu;
inline constexpr quint32 kWhite = 0xFFFFFFu;
inline constexpr quint32 kBlack = 0x000000u;
} // namespace colors

struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Twips&) const = default;
};

struct Control {
    ControlKind kind = ControlKind::Label;
    QString name;
    int index = -1;    // position in a control array, -1 for a single control
    QString container; // objectName of the frame it sits in; empty: the window
    QString caption;   // caption of labels and buttons, text of text boxes
    QString accessibleName;
    Twips geometry;
    bool visible = true;
    bool enabled = true;
    quint32 backColor = colors::kDefault;
    quint32 foreColor = colors::kDefault;
    bool transparent = false;
    bool border = false; // a thin frame around a label
    QString fontName;
    double fontSize = 9.0;
    bool bold = false;
    Alignment alignment = Alignment::Left;
    bool wordWrap = false;
    bool password = false;  // a text box showing "*" for every character
    bool multiLine = false; // a text box of many lines, Enter starting a new one
    ImeMode imeMode = ImeMode::NoControl;
    ShapeKind shape = ShapeKind::Rectangle;
    QStringList items; // lists, combo boxes, tab captions, drive lists
    QString rootPath;  // folder trees: the folder the tree starts at (a volume's root)
    QString picture;   // pictures: the name of the drawing the window layer paints
    int listIndex = -1;
    int value = 0;
    int min = 0;
    int max = 100;
    int interval = 0; // timers, in milliseconds; enabled runs them
    // Labels that guide typing: the first doneLength characters are typed and
    // drawn dimmed; -1 draws the caption plainly.
    int doneLength = -1;

    bool operator==(const Control&) const = default;

    // The widget's objectName: the control's name, with "_index" for an array member.
    QString objectName() const { return index < 0 ? name : name + u'_' + QString::number(index); }
};

// Controls as the windows declare them.
inline Control makeControl(ControlKind kind, const QString& name, const QString& caption = {},
                           Twips at = {}, double fontSize = 9.0) {
    Control c;
    c.kind = kind;
    c.name = name;
    c.caption = caption;
    c.geometry = at;
    c.fontSize = fontSize;
    if (kind == ControlKind::Button) c.backColor = colors::kButtonFace;
    return c;
}
inline Control makeLabel(const QString& name, const QString& caption = {}, Twips at = {},
                         double fontSize = 9.0) {
    return makeControl(ControlKind::Label, name, caption, at, fontSize);
}
inline Control makeButton(const QString& name, const QString& caption, Twips at = {},
                          double fontSize = 9.0) {
    return makeControl(ControlKind::Button, name, caption, at, fontSize);
}
// A text box named for the heading a reader hears.
inline Control makeTextBox(const QString& name, const QString& heading, Twips at = {},
                           double fontSize = 11.0) {
    Control c = makeControl(ControlKind::TextBox, name, {}, at, fontSize);
    c.accessibleName = heading;
    return c;
}
