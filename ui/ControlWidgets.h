#pragma once

#include "core/Control.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QWidget>
#include <functional>

class QKeyEvent;
class QMouseEvent;

// The text box: hands key presses and releases to the window's handlers
// before the box itself sees them.
class LineBox final : public QLineEdit {
    Q_OBJECT
public:
    explicit LineBox(QWidget* parent) : QLineEdit(parent) {}

    // Returns the character code to type, 0 to swallow the key.
    std::function<int(int keyAscii)> onKeyPress;
    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(int keyCode, int shift)> onKeyUp;
    ImeMode imeMode = ImeMode::NoControl;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// The text box of many lines: as LineBox, with Enter starting a new line once
// the window has seen it.
class TextArea final : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent);

    std::function<int(int keyAscii)> onKeyPress;
    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(int keyCode, int shift)> onKeyUp;
    ImeMode imeMode = ImeMode::NoControl;

    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    // The text as a window holds it: lines ended by CR LF.
    QString text() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};

// A list that hands every key that types a character to the window first.
class KeyList final : public QListWidget {
    Q_OBJECT
public:
    explicit KeyList(QWidget* parent) : QListWidget(parent) {}
    std::function<int(int keyAscii)> onKeyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A filled rectangle or oval, as the windows' shapes.
class ShapeWidget final : public QWidget {
    Q_OBJECT
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {}
    ShapeKind shape = ShapeKind::Rectangle;
    QColor fill;
    QColor border;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A drawing by name on a see-through ground. A press, not its release, is
// the click: a target must react at once.
class PictureWidget final : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent) : QWidget(parent) {}
    QString picture;
    std::function<void()> onPress;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

// Builds the widget for a control and brings it in line with the control.
namespace controlwidgets {

QWidget* create(const Control& c, QWidget* parent);
// Text as a widget shows it: the carriage-return line breaks as newlines.
QString shownText(const QString& text);
void apply(const Control& c, QWidget* widget);

} // namespace controlwidgets
