#pragma once

#include "core/Window.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class MkMain;

// What the window layer hears about windows, so that it can keep one view per
// loaded window. Headless runs leave it unset.
class WindowObserver {
public:
    virtual ~WindowObserver() = default;
    virtual void windowLoaded(Window& w) = 0;
    virtual void windowShown(Window& w) = 0;
    virtual void windowHidden(Window& w) = 0;
    virtual void windowUnloaded(Window& w) = 0;
    // Every handler has returned: views catch up with their windows' data.
    virtual void eventsDone() = 0;
    // Inside a long handler: let pending paint and timer events run, without
    // taking input. Nothing to do where no window is drawn.
    virtual void runPendingEvents() {}
    virtual void programEnded(int status) = 0;
};

// Each window type has one instance, addressed by name. Showing loads first;
// unloading runs Form_Unload and destroys the window with all its state, so
// the next show loads it afresh; End removes every window without running
// unload handlers. A destroyed window is kept alive until the outermost event
// has returned, because its own handler may still be on the stack.
class WindowRegistry {
public:
    using Factory = std::function<std::unique_ptr<Window>(MkMain&)>;

    explicit WindowRegistry(MkMain& mk) : mk_(mk) {}
    ~WindowRegistry();

    void add(const QString& name, Factory factory);
    void setObserver(WindowObserver* observer) { observer_ = observer; }

    Window* Load(const QString& name);
    // A modal window keeps every other window from input until it goes.
    void Show(const QString& name, bool modal = false);
    void Hide(const QString& name);
    void Unload(const QString& name);
    void End(int status = 0);
    // The window became the active one (shown, or activated by the user).
    void Activate(const QString& name);

    Window* find(const QString& name) const;
    // True when a window of that name can be loaded.
    bool knows(const QString& name) const { return factories_.count(name) > 0; }
    template <class W> W* get(const QString& name) const { return dynamic_cast<W*>(find(name)); }
    bool isLoaded(const QString& name) const { return find(name) != nullptr; }
    bool isVisible(const QString& name) const;
    std::vector<QString> loadedNames() const;

    bool ended() const { return ended_; }
    int exitStatus() const { return exitStatus_; }

    // Runs one event: handlers inside may unload windows, which are destroyed
    // when the outermost event returns.
    void dispatch(const std::function<void()>& event);
    // A long handler lets the views catch up and repaint between steps.
    void letWindowsCatchUp();

private:
    struct Entry {
        std::unique_ptr<Window> window;
        bool visible = false;
    };
    void retire(std::unique_ptr<Window> w);
    void settle();

    MkMain& mk_;
    WindowObserver* observer_ = nullptr;
    std::map<QString, Factory> factories_;
    std::map<QString, Entry> loaded_;
    std::vector<std::unique_ptr<Window>> retired_;
    QString active_;
    int depth_ = 0;
    bool ended_ = false;
    int exitStatus_ = 0;
};
