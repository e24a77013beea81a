#include "ui/WindowHost.h"

#include "ui/FormView.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

WindowHost::WindowHost(WindowRegistry& registry) : registry_(registry) {
    registry_.setObserver(this);
}

WindowHost::~WindowHost() {
    registry_.setObserver(nullptr);
    for (auto& [window, view] : views_)
        delete view;
}

void WindowHost::windowLoaded(Window& w) {
    views_[&w] = new FormView(w, registry_);
}

void WindowHost::windowShown(Window& w) {
    FormView* view = views_.at(&w);
    view->sync();
    view->setWindowModality(w.modal ? Qt::ApplicationModal : Qt::NonModal);
    if (w.centered && !view->isVisible()) {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        view->move(screen.center() - view->rect().center());
    }
    view->show();
    view->raise();
    view->activateWindow();
    if (!w.modal) keepModalInFront();
}

// A window shown while a modal one is up opens behind it: without a window
// manager to keep the order, the modal one would vanish under it.
void WindowHost::keepModalInFront() {
    for (auto& [window, view] : views_) {
        if (!window->modal || !view->isVisible()) continue;
        view->raise();
        view->activateWindow();
    }
}

void WindowHost::windowHidden(Window& w) {
    views_.at(&w)->hide();
}

void WindowHost::windowUnloaded(Window& w) {
    const auto it = views_.find(&w);
    if (it == views_.end()) return;
    it->second->detach();
    it->second->hide();
    it->second->deleteLater();
    views_.erase(it);
}

void WindowHost::programEnded(int status) {
    QCoreApplication::exit(status);
}

void WindowHost::syncAll() {
    for (auto& [window, view] : views_)
        view->sync();
}

FormView* WindowHost::viewOf(const QString& windowName) const {
    for (const auto& [window, view] : views_)
        if (window->name() == windowName) return view;
    return nullptr;
}

// Paints and timers only: a click during a long run must not start another.
void WindowHost::runPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
