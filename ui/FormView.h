#pragma once

#include "core/Control.h"

#include <QPixmap>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

class QTimer;
class Window;
class WindowRegistry;

// One loaded window on screen: widgets drawn from the window's controls,
// widget events forwarded to its handlers.
class FormView final : public QWidget {
    Q_OBJECT
public:
    FormView(Window& window, WindowRegistry& registry);

    // Brings every widget in line with its control, then carries out a focus request.
    void sync();
    // The window is gone: no further event reaches it.
    void detach() { window_ = nullptr; }
    QWidget* widgetFor(const QString& objectName) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    struct Bound {
        Control* control;
        QWidget* widget;
        QTimer* timer;
        std::optional<Control> shown; // as last applied
    };
    void build();
    void settleFocusPolicies();
    void connectEvents(Bound& b);
    void connectFolderControl(Bound& b);
    void connectTextBox(Bound& b);
    void connectTextArea(Bound& b);
    template <class Box> void routeKeys(Box& box, Control* c);
    // Hands a typed character to the window; returns the character to type, 0 for none.
    std::function<int(int)> keyPressTo(Control* c);
    void syncTimer(Bound& b);
    void fire(const std::function<void(Window&)>& handler);

    Window* window_;
    WindowRegistry& registry_;
    std::vector<Bound> bound_;
    bool syncing_ = false;
    QString pendingFocus_; // a focus request made while the window was hidden
    QPixmap backdrop_;     // the window's background drawing at the current size
};
