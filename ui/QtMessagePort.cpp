#include "ui/QtMessagePort.h"

#include "ui/ControlWidgets.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

MessageAnswer QtMessagePort::show(const QString& text, MessageButtons buttons) {
    if (beforeShow_) beforeShow_();
    const QString shown = controlwidgets::shownText(text);
    QMessageBox box(QMessageBox::NoIcon, kTitle, shown);
    box.setObjectName(QStringLiteral("MessageBox"));
    // A reader announces the box by its title and reads the message with it.
    box.setAccessibleName(kTitle);
    box.setAccessibleDescription(shown);
    // The box takes the keyboard at once, so Enter or Space answers it.
    QTimer::singleShot(0, &box, [&box] {
        box.activateWindow();
        box.raise();
    });
    if (buttons == MessageButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MessageAnswer::Ok;
    }
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
}

void QtBeep::beep() {
    QApplication::beep();
}
