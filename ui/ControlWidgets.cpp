#include "ui/ControlWidgets.h"

#include "ui/FolderWidgets.h"
#include "ui/Geometry.h"
#include "ui/KeyCodes.h"
#include "ui/Pictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

namespace {

constexpr int kAsPressed = -1;

// The window's word on a key before a box types it: kAsPressed, 0 to swallow
// it, or the character to type instead.
template <class Box> int windowVerdict(Box& box, const QKeyEvent& event) {
    if (box.onKeyDown) box.onKeyDown(keycodes::keyCode(event), keycodes::shiftState(event));
    const int code = keycodes::keyAscii(event);
    if (code == 0 || !box.onKeyPress) return kAsPressed;
    const int typed = box.onKeyPress(code);
    return typed == code ? kAsPressed : typed;
}

// Only the real release of a key counts, not those of auto-repeat.
template <class Box> bool windowHeardRelease(Box& box, const QKeyEvent& event) {
    if (event.isAutoRepeat()) return false;
    if (box.onKeyUp) box.onKeyUp(keycodes::keyCode(event), keycodes::shiftState(event));
    return true;
}

} // namespace

QVariant LineBox::inputMethodQuery(Qt::InputMethodQuery query) const {
    // Disabling the attribute alone does not keep every input method out.
    if (query == Qt::ImEnabled && imeMode == ImeMode::Off) return false;
    return QLineEdit::inputMethodQuery(query);
}

void LineBox::keyPressEvent(QKeyEvent* event) {
    const int verdict = windowVerdict(*this, *event);
    if (verdict == kAsPressed) return QLineEdit::keyPressEvent(event);
    if (verdict != 0) insert(QString(QChar(verdict)));
}

void LineBox::keyReleaseEvent(QKeyEvent* event) {
    if (windowHeardRelease(*this, *event)) QLineEdit::keyReleaseEvent(event);
}

TextArea::TextArea(QWidget* parent) : QPlainTextEdit(parent) {
    // Tab moves on, as in every other box of the windows.
    setTabChangesFocus(true);
}

QVariant TextArea::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImEnabled && imeMode == ImeMode::Off) return false;
    return QPlainTextEdit::inputMethodQuery(query);
}

QString TextArea::text() const {
    return toPlainText().replace(u'\n', u"\r\n"_qs);
}

void TextArea::keyPressEvent(QKeyEvent* event) {
    const int verdict = windowVerdict(*this, *event);
    if (verdict == kAsPressed) return QPlainTextEdit::keyPressEvent(event);
    if (verdict != 0) insertPlainText(controlwidgets::shownText(QString(QChar(verdict))));
}

void TextArea::keyReleaseEvent(QKeyEvent* event) {
    if (windowHeardRelease(*this, *event)) QPlainTextEdit::keyReleaseEvent(event);
}

void KeyList::keyPressEvent(QKeyEvent* event) {
    const int code = keycodes::keyAscii(*event);
    if (code != 0 && onKeyPress && onKeyPress(code) == 0) return;
    QListWidget::keyPressEvent(event);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(border.isValid() ? QPen(border) : QPen(Qt::NoPen));
    p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (shape) {
    case ShapeKind::Oval:
        p.drawEllipse(r);
        break;
    case ShapeKind::RoundedRectangle:
        p.drawRoundedRect(r, 6, 6);
        break;
    case ShapeKind::Rectangle:
        p.drawRect(r);
        break;
    }
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter p(this);
    pictures::paint(p, picture, rect());
}

void PictureWidget::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (onPress) onPress();
}

namespace controlwidgets {

QWidget* create(const Control& c, QWidget* parent) {
    QWidget* w = nullptr;
    switch (c.kind) {
    case ControlKind::Label:
        w = new QLabel(parent);
        break;
    case ControlKind::TextBox:
        w = c.multiLine ? static_cast<QWidget*>(new TextArea(parent)) : new LineBox(parent);
        break;
    case ControlKind::Button: {
        // A focused button answers Enter, as the pupils expect.
        auto* button = new QPushButton(parent);
        button->setAutoDefault(true);
        w = button;
        break;
    }
    case ControlKind::OptionButton:
        w = new QRadioButton(parent);
        break;
    case ControlKind::CheckBox:
        w = new QCheckBox(parent);
        break;
    case ControlKind::ListBox:
        w = new KeyList(parent);
        break;
    case ControlKind::ComboBox:
        w = new QComboBox(parent);
        break;
    case ControlKind::Frame:
        w = new QGroupBox(parent);
        break;
    case ControlKind::Shape:
        w = new ShapeWidget(parent);
        break;
    case ControlKind::ProgressBar: {
        auto* bar = new QProgressBar(parent);
        bar->setTextVisible(false);
        w = bar;
        break;
    }
    case ControlKind::TabStrip:
        w = new QTabBar(parent);
        break;
    case ControlKind::DriveList:
        w = new DriveBox(parent);
        break;
    case ControlKind::Picture:
        w = new PictureWidget(parent);
        break;
    case ControlKind::FolderTree:
        w = new FolderTreeView(parent);
        break;
    case ControlKind::Timer:
        return nullptr;
    }
    w->setObjectName(c.objectName());
    return w;
}

QString shownText(const QString& text) {
    return QString(text).replace(u"\r\n"_qs, u"\n"_qs).replace(u'\r', u'\n');
}

namespace {

// A reader hears a value under its heading: the heading as the name and what
// the control shows as the description. A control without a heading is named
// by its own caption.
void applyAccessible(const Control& c, QWidget* w) {
    const bool headed = !c.accessibleName.isEmpty();
    w->setAccessibleName(headed ? c.accessibleName : shownText(c.caption));
    QString value;
    if (headed && qobject_cast<QLabel*>(w)) value = shownText(c.caption);
    if (headed && qobject_cast<QProgressBar*>(w)) value = QString::number(c.value);
    if (qobject_cast<QComboBox*>(w)) value = c.items.value(c.listIndex);
    if (qobject_cast<FolderTreeView*>(w)) value = c.caption;
    w->setAccessibleDescription(value);
}

void applyLook(const Control& c, QWidget* w) {
    w->setGeometry(geometry::px(c.geometry));
    w->setVisible(c.visible);
    w->setEnabled(c.enabled);
    applyAccessible(c, w);
    QFont font = w->font();
    if (!c.fontName.isEmpty()) font.setFamily(c.fontName);
    font.setPixelSize(geometry::fontPixels(c.fontSize));
    font.setBold(c.bold);
    w->setFont(font);

    QPalette pal = w->palette();
    const bool custom = c.backColor != colors::kDefault && c.backColor != colors::kButtonFace;
    if (custom && !c.transparent) {
        const QColor back = geometry::color(c.backColor);
        for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
            pal.setColor(role, back);
    }
    if (c.foreColor != colors::kDefault) {
        const QColor fore = geometry::color(c.foreColor);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            pal.setColor(role, fore);
    }
    w->setPalette(pal);
}

Qt::Alignment alignmentOf(const Control& c) {
    switch (c.alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

void applyItems(const Control& c, QWidget* w) {
    if (auto* drives = qobject_cast<DriveBox*>(w)) {
        drives->showDrives(c.items, c.listIndex);
    } else if (auto* tree = qobject_cast<FolderTreeView*>(w)) {
        tree->showFolder(c.rootPath, c.caption);
    } else if (auto* list = qobject_cast<QListWidget*>(w)) {
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->item(i)->text();
        if (shown != c.items) {
            list->clear();
            list->addItems(c.items);
        }
        if (list->currentRow() != c.listIndex) list->setCurrentRow(c.listIndex);
    } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        if (shown != c.items) {
            combo->clear();
            combo->addItems(c.items);
        }
        // Shown while nothing is chosen.
        if (combo->placeholderText() != c.caption) combo->setPlaceholderText(c.caption);
        if (combo->currentIndex() != c.listIndex) combo->setCurrentIndex(c.listIndex);
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        while (tabs->count() > c.items.size())
            tabs->removeTab(tabs->count() - 1);
        for (int i = 0; i < c.items.size(); ++i) {
            if (i >= tabs->count()) tabs->addTab(c.items[i]);
            tabs->setTabText(i, c.items[i]);
        }
        if (c.listIndex >= 0 && tabs->currentIndex() != c.listIndex)
            tabs->setCurrentIndex(c.listIndex);
    }
}

// A typing guide: what is typed dimmed, what is left in the label's own colour.
QString guideHtml(const Control& c) {
    const QString text = shownText(c.caption);
    return u"<span style=\"white-space:pre\"><span style=\"color:#a8a8a8\">"_qs +
           text.left(c.doneLength).toHtmlEscaped() + u"</span>"_qs +
           text.mid(c.doneLength).toHtmlEscaped() + u"</span>"_qs;
}

void applyContent(const Control& c, QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) {
        // Plain unless it guides typing: a lesson line such as "<b>" is text to type.
        const bool guide = c.doneLength >= 0;
        label->setTextFormat(guide ? Qt::RichText : Qt::PlainText);
        label->setText(guide ? guideHtml(c) : shownText(c.caption));
        label->setFrameShape(c.border ? QFrame::Box : QFrame::NoFrame);
        label->setAlignment(alignmentOf(c));
        label->setWordWrap(c.wordWrap);
        label->setAutoFillBackground(!c.transparent && c.backColor != colors::kDefault);
    } else if (auto* box = qobject_cast<LineBox*>(w)) {
        // A one-line box shows a line break as a blank.
        const QString shown = QString(c.caption).replace(u'\r', u' ');
        if (box->text() != shown) box->setText(shown);
        box->setEchoMode(c.password ? QLineEdit::Password : QLineEdit::Normal);
        if (c.password) box->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
        box->setAlignment(alignmentOf(c) & Qt::AlignHorizontal_Mask);
        box->imeMode = c.imeMode;
        box->setAttribute(Qt::WA_InputMethodEnabled, c.imeMode != ImeMode::Off);
    } else if (auto* area = qobject_cast<TextArea*>(w)) {
        // Setting the same text again would move the cursor to the start.
        const QString shown = shownText(c.caption);
        if (area->toPlainText() != shown) area->setPlainText(shown);
        area->imeMode = c.imeMode;
        area->setAttribute(Qt::WA_InputMethodEnabled, c.imeMode != ImeMode::Off);
    } else if (auto* radio = qobject_cast<QRadioButton*>(w)) {
        radio->setText(c.caption);
        radio->setChecked(c.value != 0);
    } else if (auto* check = qobject_cast<QCheckBox*>(w)) {
        check->setText(c.caption);
        check->setChecked(c.value != 0);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        button->setText(c.caption);
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
        group->setTitle(c.caption);
    } else if (auto* bar = qobject_cast<QProgressBar*>(w)) {
        bar->setRange(c.min, c.max);
        bar->setValue(c.value);
    } else if (auto* shape = qobject_cast<ShapeWidget*>(w)) {
        shape->shape = c.shape;
        shape->fill = c.transparent || c.backColor == colors::kDefault
                          ? QColor()
                          : geometry::color(c.backColor);
        shape->border =
            c.foreColor == colors::kDefault ? QColor(Qt::black) : geometry::color(c.foreColor);
        shape->update();
    } else if (auto* picture = qobject_cast<PictureWidget*>(w)) {
        picture->picture = c.picture;
        picture->update();
    }
    applyItems(c, w);
}

} // namespace

void apply(const Control& c, QWidget* w) {
    applyLook(c, w);
    applyContent(c, w);
}

} // namespace controlwidgets
