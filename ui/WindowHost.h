#pragma once

#include "core/WindowRegistry.h"

#include <map>

class FormView;

// Keeps one view per loaded window, in step with the registry.
class WindowHost final : public WindowObserver {
public:
    explicit WindowHost(WindowRegistry& registry);
    ~WindowHost() override;

    void windowLoaded(Window& w) override;
    void windowShown(Window& w) override;
    void windowHidden(Window& w) override;
    void windowUnloaded(Window& w) override;
    void eventsDone() override { syncAll(); }
    void runPendingEvents() override;
    void programEnded(int status) override;

    void syncAll();
    FormView* viewOf(const QString& windowName) const;

private:
    void keepModalInFront();

    WindowRegistry& registry_;
    std::map<const Window*, FormView*> views_;
};
