#pragma once

#include "core/Ports.h"

#include <functional>

// The message routine's real box: modal, no icon, the program's name as its
// only title, Yes the default of a Yes/No box.
class QtMessagePort final : public MessagePort {
public:
    // beforeShow lets the windows catch up with their data first.
    explicit QtMessagePort(std::function<void()> beforeShow = {})
        : beforeShow_(std::move(beforeShow)) {}
    MessageAnswer show(const QString& text, MessageButtons buttons) override;

    static inline const QString kTitle = QStringLiteral("Marokey");

private:
    std::function<void()> beforeShow_;
};

class QtBeep final : public BeepPort {
public:
    void beep() override;
};
