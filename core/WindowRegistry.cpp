#include "core/WindowRegistry.h"

#include <QtGlobal>

namespace {

// Counts the nesting of events so that retired windows outlive their handlers.
struct Depth {
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
    int& depth;
};

} // namespace

WindowRegistry::~WindowRegistry() {
    loaded_.clear();
    retired_.clear();
}

void WindowRegistry::add(const QString& name, Factory factory) {
    factories_[name] = std::move(factory);
}

Window* WindowRegistry::find(const QString& name) const {
    const auto it = loaded_.find(name);
    return it == loaded_.end() ? nullptr : it->second.window.get();
}

bool WindowRegistry::isVisible(const QString& name) const {
    const auto it = loaded_.find(name);
    return it != loaded_.end() && it->second.visible;
}

std::vector<QString> WindowRegistry::loadedNames() const {
    std::vector<QString> names;
    for (const auto& [name, entry] : loaded_)
        names.push_back(name);
    return names;
}

Window* WindowRegistry::Load(const QString& name) {
    if (ended_) return nullptr;
    if (Window* w = find(name)) return w;
    const auto factory = factories_.find(name);
    if (factory == factories_.end()) {
        // A window this build does not have: nothing opens, nothing breaks.
        qWarning("no window named %s", qPrintable(name));
        return nullptr;
    }
    Window* w = nullptr;
    dispatch([&] {
        auto created = factory->second(mk_);
        w = created.get();
        loaded_[name] = Entry{std::move(created), false};
        if (observer_) observer_->windowLoaded(*w);
        w->Form_Load();
    });
    return find(name) == w ? w : nullptr; // Form_Load may have unloaded it
}

void WindowRegistry::Show(const QString& name, bool modal) {
    dispatch([&] {
        if (!Load(name)) return;
        Entry& entry = loaded_.at(name);
        entry.window->modal = modal;
        entry.visible = true;
        if (observer_) observer_->windowShown(*entry.window);
        Activate(name);
    });
}

void WindowRegistry::Hide(const QString& name) {
    const auto it = loaded_.find(name);
    if (ended_ || it == loaded_.end()) return;
    it->second.visible = false;
    if (active_ == name) active_.clear();
    if (observer_) observer_->windowHidden(*it->second.window);
}

void WindowRegistry::Activate(const QString& name) {
    if (ended_ || active_ == name || !isVisible(name)) return;
    active_ = name;
    dispatch([&] { find(name)->Form_Activate(); });
}

void WindowRegistry::Unload(const QString& name) {
    if (ended_ || !isLoaded(name)) return;
    dispatch([&] {
        find(name)->Form_Unload();
        auto it = loaded_.find(name);
        if (it == loaded_.end()) return; // the handler ended the program
        auto w = std::move(it->second.window);
        loaded_.erase(it);
        if (active_ == name) active_.clear();
        if (observer_) observer_->windowUnloaded(*w);
        retire(std::move(w));
    });
}

void WindowRegistry::End(int status) {
    if (ended_) return;
    ended_ = true;
    exitStatus_ = status;
    for (auto& [name, entry] : loaded_) {
        if (observer_) observer_->windowUnloaded(*entry.window);
        retire(std::move(entry.window));
    }
    loaded_.clear();
    if (observer_) observer_->programEnded(status);
}

void WindowRegistry::retire(std::unique_ptr<Window> w) {
    retired_.push_back(std::move(w));
}

void WindowRegistry::dispatch(const std::function<void()>& event) {
    {
        Depth d(depth_);
        if (!ended_) event();
    }
    if (depth_ == 0) settle();
}

void WindowRegistry::settle() {
    retired_.clear();
    if (observer_ && !ended_) observer_->eventsDone();
}

void WindowRegistry::letWindowsCatchUp() {
    if (!observer_) return;
    observer_->eventsDone();
    observer_->runPendingEvents();
}
