#pragma once

#include "core/Control.h"

#include <QString>
#include <vector>

class MkMain;

// The logic of one window: its controls as data and its event handlers.
// A window never touches a widget; the window layer draws it from its data.
class Window {
public:
    Window(MkMain& mk, QString name);
    virtual ~Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    const QString& name() const { return name_; }

    // The window itself.
    QString caption;
    Twips geometry;
    quint32 backColor = colors::kDefault;
    QString backPicture; // a drawing painted behind the controls, by name; empty: none
    bool centered = true;
    bool fixedSize = true;
    bool modal = false; // shown in front of every other window until it goes
    // Only text and list boxes take the keyboard: Tab and Shift+Tab move
    // nothing, and a click on a button, a tab or the window itself leaves the
    // focus where it is.
    bool keyboardStaysInBox = false;

    const std::vector<Control*>& controls() const { return controls_; }
    Control* control(const QString& objectName) const;

    // A focus request the window layer carries out after the handler.
    void SetFocus(Control& target) { focusRequest_ = target.objectName(); }
    QString takeFocusRequest() { return std::exchange(focusRequest_, QString()); }

    // Events, named as the platform names them. The registry runs the form
    // events; the window layer forwards the control events.
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    virtual void Click(Control&) {}
    // A press on the window itself, not on one of its controls.
    virtual void Form_Click() {}
    virtual void DblClick(Control&) {}
    virtual void Change(Control&) {}
    virtual void Timer(Control&) {}
    // keyAscii may be changed by the handler; 0 swallows the key.
    virtual void KeyPress(Control&, int& keyAscii) { (void)keyAscii; }
    virtual void KeyDown(Control&, int keyCode, int shift) { (void)keyCode, (void)shift; }
    virtual void KeyUp(Control&, int keyCode, int shift) { (void)keyCode, (void)shift; }
    // A key typed or released while the window itself, not one of its controls, has the keyboard.
    virtual void Form_KeyPress(int& keyAscii) { (void)keyAscii; }
    virtual void Form_KeyUp(int keyCode, int shift) { (void)keyCode, (void)shift; }

protected:
    void add(Control& c) { controls_.push_back(&c); }
    template <class Array> void addAll(Array& array) {
        for (Control& c : array)
            add(c);
    }

    MkMain& mk;

private:
    QString name_;
    std::vector<Control*> controls_;
    QString focusRequest_;
};
