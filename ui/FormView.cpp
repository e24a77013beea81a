#include "ui/FormView.h"

#include "core/Window.h"
#include "core/WindowRegistry.h"
#include "ui/ControlWidgets.h"
#include "ui/FolderWidgets.h"
#include "ui/Geometry.h"
#include "ui/KeyCodes.h"
#include "ui/Pictures.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTimer>

FormView::FormView(Window& window, WindowRegistry& registry)
    : QWidget(nullptr), window_(&window), registry_(registry) {
    setObjectName(window.name());
    setAttribute(Qt::WA_DeleteOnClose, false);
    build();
    settleFocusPolicies();
    sync();
}

void FormView::settleFocusPolicies() {
    bool controlTakesFocus = false;
    for (const Bound& b : bound_) {
        if (!b.widget) continue;
        const bool box = qobject_cast<LineBox*>(b.widget) || qobject_cast<TextArea*>(b.widget) ||
                         qobject_cast<KeyList*>(b.widget);
        if (window_->keyboardStaysInBox && !box) b.widget->setFocusPolicy(Qt::NoFocus);
        controlTakesFocus = controlTakesFocus || b.widget->focusPolicy() != Qt::NoFocus;
    }
    // A window without such controls still hears its keys; one with them never
    // takes the keyboard from them when its background or a label is clicked.
    setFocusPolicy(controlTakesFocus ? Qt::NoFocus : Qt::StrongFocus);
}

bool FormView::focusNextPrevChild(bool next) {
    if (window_ && window_->keyboardStaysInBox) return true; // Tab is used up, not typed
    return QWidget::focusNextPrevChild(next);
}

void FormView::build() {
    // Frames first, so that controls placed inside them find their parent.
    for (Control* c : window_->controls()) {
        QWidget* parent = this;
        if (!c->container.isEmpty())
            if (QWidget* frame = widgetFor(c->container)) parent = frame;
        QWidget* w = controlwidgets::create(*c, parent);
        QTimer* timer = w ? nullptr : new QTimer(this);
        if (timer) timer->setObjectName(c->objectName());
        bound_.push_back({c, w, timer, std::nullopt});
    }
    for (Bound& b : bound_)
        connectEvents(b);
}

QWidget* FormView::widgetFor(const QString& objectName) const {
    for (const Bound& b : bound_)
        if (b.widget && b.control->objectName() == objectName) return b.widget;
    return nullptr;
}

void FormView::fire(const std::function<void(Window&)>& handler) {
    if (syncing_ || !window_) return;
    registry_.dispatch([&] {
        if (window_) handler(*window_);
    });
}

void FormView::connectEvents(Bound& b) {
    Control* c = b.control;
    if (b.timer) {
        connect(b.timer, &QTimer::timeout, this,
                [this, c] { fire([c](Window& w) { w.Timer(*c); }); });
        return;
    }
    const auto click = [this, c] { fire([c](Window& w) { w.Click(*c); }); };
    if (auto* button = qobject_cast<QPushButton*>(b.widget)) {
        connect(button, &QPushButton::clicked, this, click);
    } else if (auto* radio = qobject_cast<QRadioButton*>(b.widget)) {
        connect(radio, &QRadioButton::clicked, this, [c, click] {
            c->value = 1;
            click();
        });
    } else if (auto* check = qobject_cast<QCheckBox*>(b.widget)) {
        connect(check, &QCheckBox::clicked, this, [c, click](bool on) {
            c->value = on;
            click();
        });
    } else if (auto* list = qobject_cast<QListWidget*>(b.widget)) {
        connect(list, &QListWidget::currentRowChanged, this, [this, c, click](int row) {
            if (syncing_) return;
            c->listIndex = row;
            click();
        });
        connect(list, &QListWidget::itemDoubleClicked, this,
                [this, c] { fire([c](Window& w) { w.DblClick(*c); }); });
        static_cast<KeyList*>(list)->onKeyPress = keyPressTo(c);
    } else if (qobject_cast<DriveBox*>(b.widget) || qobject_cast<FolderTreeView*>(b.widget)) {
        connectFolderControl(b);
    } else if (auto* combo = qobject_cast<QComboBox*>(b.widget)) {
        // A choice is a change of the list's text first, then its click.
        connect(combo, &QComboBox::activated, this, [this, c, click](int index) {
            if (!window_) return;
            const bool changed = c->listIndex != index;
            c->listIndex = index;
            if (changed) fire([c](Window& w) { w.Change(*c); });
            click();
        });
    } else if (auto* tabs = qobject_cast<QTabBar*>(b.widget)) {
        connect(tabs, &QTabBar::currentChanged, this, [this, c, click](int index) {
            if (syncing_) return;
            c->listIndex = index;
            click();
        });
        // The tab already shown changes nothing, yet its click still reaches
        // the window, so that the window can put the focus back where it belongs.
        connect(tabs, &QTabBar::tabBarClicked, this, [tabs, click](int index) {
            if (index >= 0 && index == tabs->currentIndex()) click();
        });
    } else if (auto* picture = qobject_cast<PictureWidget*>(b.widget)) {
        picture->onPress = click;
    } else if (qobject_cast<LineBox*>(b.widget)) {
        connectTextBox(b);
    } else if (qobject_cast<TextArea*>(b.widget)) {
        connectTextArea(b);
    }
}

std::function<int(int)> FormView::keyPressTo(Control* c) {
    return [this, c](int ascii) {
        if (!window_) return 0;
        fire([&](Window& w) { w.KeyPress(*c, ascii); });
        return window_ ? ascii : 0; // a window gone with the key keeps it
    };
}

template <class Box> void FormView::routeKeys(Box& box, Control* c) {
    box.onKeyDown = [this, c](int code, int shift) {
        fire([&](Window& w) { w.KeyDown(*c, code, shift); });
    };
    box.onKeyPress = keyPressTo(c);
    box.onKeyUp = [this, c](int code, int shift) {
        fire([&](Window& w) { w.KeyUp(*c, code, shift); });
    };
}

// Drive lists and folder trees report a person's choice as a change only.
void FormView::connectFolderControl(Bound& b) {
    Control* c = b.control;
    const auto change = [this, c] { fire([c](Window& w) { w.Change(*c); }); };
    if (auto* drives = qobject_cast<DriveBox*>(b.widget)) {
        connect(drives, &QComboBox::activated, this, [this, c, change](int index) {
            if (syncing_ || !window_ || c->listIndex == index) return;
            c->listIndex = index;
            change();
        });
    } else if (auto* tree = qobject_cast<FolderTreeView*>(b.widget)) {
        connect(tree, &FolderTreeView::folderPicked, this, [this, c, change](const QString& path) {
            if (syncing_ || !window_) return;
            c->caption = path;
            change();
        });
    }
}

void FormView::connectTextBox(Bound& b) {
    Control* c = b.control;
    auto* box = static_cast<LineBox*>(b.widget);
    routeKeys(*box, c);
    // Typing writes the text back into the control before Change runs.
    connect(box, &QLineEdit::textEdited, this, [this, c](const QString& text) {
        c->caption = text;
        fire([c](Window& w) { w.Change(*c); });
    });
}

void FormView::connectTextArea(Bound& b) {
    Control* c = b.control;
    auto* area = static_cast<TextArea*>(b.widget);
    routeKeys(*area, c);
    // Every edit, typed, pasted or undone, reaches the control before Change
    // runs; the window's own changes come back through sync and are no edit.
    connect(area, &QPlainTextEdit::textChanged, this, [this, c, area] {
        if (syncing_ || !window_) return;
        c->caption = area->text();
        fire([c](Window& w) { w.Change(*c); });
    });
}

void FormView::syncTimer(Bound& b) {
    const bool run = b.control->enabled && b.control->interval > 0;
    if (!run) {
        b.timer->stop();
    } else if (!b.timer->isActive() || b.timer->interval() != b.control->interval) {
        b.timer->start(b.control->interval);
    }
}

void FormView::sync() {
    if (!window_) return;
    syncing_ = true;
    setWindowTitle(window_->caption);
    const QRect r = geometry::px(window_->geometry);
    if (window_->fixedSize)
        setFixedSize(r.size());
    else
        resize(r.size());
    if (window_->backColor != colors::kDefault) {
        QPalette pal = palette();
        pal.setColor(QPalette::Window, geometry::color(window_->backColor));
        setPalette(pal);
        setAutoFillBackground(true);
    }
    for (Bound& b : bound_) {
        if (b.timer) {
            syncTimer(b);
        } else if (b.shown != *b.control) {
            controlwidgets::apply(*b.control, b.widget);
            b.shown = *b.control;
        }
    }
    syncing_ = false;
    if (const QString focus = window_->takeFocusRequest(); !focus.isEmpty()) pendingFocus_ = focus;
    if (isVisible() && !pendingFocus_.isEmpty()) {
        if (QWidget* w = widgetFor(pendingFocus_)) w->setFocus();
        pendingFocus_.clear();
    }
}

void FormView::keyPressEvent(QKeyEvent* event) {
    int ascii = keycodes::keyAscii(*event);
    if (ascii != 0) fire([&](Window& w) { w.Form_KeyPress(ascii); });
    QWidget::keyPressEvent(event);
}

void FormView::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat()) return;
    const int code = keycodes::keyCode(*event);
    const int shift = keycodes::shiftState(*event);
    fire([&](Window& w) { w.Form_KeyUp(code, shift); });
}

void FormView::paintEvent(QPaintEvent* event) {
    if (!window_ || window_->backPicture.isEmpty()) return QWidget::paintEvent(event);
    // Drawn once per size: the targets moving over it repaint it often.
    if (backdrop_.size() != size()) {
        backdrop_ = QPixmap(size());
        backdrop_.fill(palette().color(QPalette::Window));
        QPainter onto(&backdrop_);
        pictures::paint(onto, window_->backPicture, QRectF(rect()));
    }
    QPainter(this).drawPixmap(0, 0, backdrop_);
}

void FormView::mousePressEvent(QMouseEvent* event) {
    // Presses that labels and other passive controls let through are theirs, not the window's.
    if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint()))
        fire([](Window& w) { w.Form_Click(); });
    QWidget::mousePressEvent(event);
}

void FormView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (pendingFocus_.isEmpty()) return;
    if (QWidget* w = widgetFor(pendingFocus_)) w->setFocus();
    pendingFocus_.clear();
}

void FormView::closeEvent(QCloseEvent* event) {
    // Closing a window unloads it; the registry decides when the view goes.
    event->ignore();
    if (!window_) return;
    const QString name = window_->name();
    registry_.dispatch([&] {
        registry_.Unload(name);
        if (registry_.loadedNames().empty()) registry_.End(0);
    });
}

void FormView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && window_)
        registry_.Activate(window_->name());
    QWidget::changeEvent(event);
}
