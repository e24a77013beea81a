#include "core/Window.h"

Window::Window(MkMain& mainState, QString name) : mk(mainState), name_(std::move(name)) {}

Control* Window::control(const QString& objectName) const {
    for (Control* c : controls_)
        if (c->objectName() == objectName) return c;
    return nullptr;
}
