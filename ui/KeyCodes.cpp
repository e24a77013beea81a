#include "ui/KeyCodes.h"

#include <QKeyEvent>
#include <unordered_map>

namespace keycodes {

int keyAscii(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    return text.at(0).unicode();
}

namespace {

int keypadCode(int key) {
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
    switch (key) {
    case Qt::Key_Asterisk:
        return 106;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Minus:
        return 109;
    case Qt::Key_Period:
        return 110;
    case Qt::Key_Slash:
        return 111;
    case Qt::Key_Enter:
        return 13;
    default:
        return 0;
    }
}

} // namespace

int keyCode(const QKeyEvent& event) {
    const int key = event.key();
    if (event.modifiers() & Qt::KeypadModifier) {
        if (const int code = keypadCode(key)) return code;
    }
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
    static const std::unordered_map<int, int> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},          {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},       {Qt::Key_Control, 17},
        {Qt::Key_Alt, 18},      {Qt::Key_Pause, 19},       {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27},   {Qt::Key_Space, 32},       {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},         {Qt::Key_Home, 36},
        {Qt::Key_Left, 37},     {Qt::Key_Up, 38},          {Qt::Key_Right, 39},
        {Qt::Key_Down, 40},     {Qt::Key_Insert, 45},      {Qt::Key_Delete, 46},
        {Qt::Key_NumLock, 144}, {Qt::Key_ScrollLock, 145},
    };
    const auto it = codes.find(key);
    return it == codes.end() ? 0 : it->second;
}

int shiftState(const QKeyEvent& event) {
    const auto m = event.modifiers();
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

} // namespace keycodes
