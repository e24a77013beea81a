#include "ui/QtCopyFeedback.h"

#include "ui/ControlWidgets.h"
#include "ui/QtMessagePort.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <utility>
#include <vector>

namespace {

struct ReplaceButton {
    const char* name;
    QString caption;
    QMessageBox::ButtonRole role;
    ReplaceAnswer answer;
};

std::array<ReplaceButton, 5> replaceButtons() {
    return {{
        {"Yes", u"はい"_qs, QMessageBox::YesRole, ReplaceAnswer::Yes},
        {"No", u"いいえ"_qs, QMessageBox::NoRole, ReplaceAnswer::No},
        {"YesToAll", u"すべてはい"_qs, QMessageBox::YesRole, ReplaceAnswer::YesToAll},
        {"NoToAll", u"すべていいえ"_qs, QMessageBox::NoRole, ReplaceAnswer::NoToAll},
        {"Cancel", u"キャンセル"_qs, QMessageBox::RejectRole, ReplaceAnswer::Cancel},
    }};
}

// A box takes the keyboard as soon as it is up, so Enter answers it.
void takeKeyboardOnceShown(QWidget* box) {
    QTimer::singleShot(0, box, [box] {
        box->activateWindow();
        box->raise();
    });
}

} // namespace

QtCopyFeedback::QtCopyFeedback(std::function<void()> beforeShow)
    : beforeShow_(std::move(beforeShow)) {}

QtCopyFeedback::~QtCopyFeedback() {
    delete dialog_;
}

void QtCopyFeedback::begin(int total) {
    if (beforeShow_) beforeShow_();
    delete dialog_;
    total_ = total;
    dialog_ = new QProgressDialog(QString(), u"キャンセル"_qs, 0, total);
    dialog_->setObjectName(u"CopyProgress"_qs);
    dialog_->setWindowTitle(QtMessagePort::kTitle);
    dialog_->setAccessibleName(QtMessagePort::kTitle);
    dialog_->setWindowModality(Qt::ApplicationModal);
    // The dialog stays until the copy says it is over, whatever the bar shows.
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setMinimumDuration(0);
    dialog_->setMinimumWidth(360);
    dialog_->setValue(0);
    dialog_->show();
    takeKeyboardOnceShown(dialog_);
    QCoreApplication::processEvents();
}

bool QtCopyFeedback::progress(int done, const QString& fileName) {
    if (!dialog_ || dialog_->wasCanceled()) return false;
    const QString count = QString::number(done + 1) + u" / "_qs + QString::number(total_);
    const QString text = u"複写しています：\n"_qs + fileName + u'\n' + count;
    dialog_->setLabelText(text);
    dialog_->setAccessibleDescription(text);
    dialog_->setValue(done);
    // Cancel, repaints and the other windows are heard between two files.
    QCoreApplication::processEvents();
    return dialog_ && !dialog_->wasCanceled();
}

ReplaceAnswer QtCopyFeedback::askReplace(const QString& fileName) {
    if (beforeShow_) beforeShow_();
    const QString shown =
        controlwidgets::shownText(fileName + u" は既にあります。\r置き換えますか？"_qs);
    QMessageBox box(QMessageBox::NoIcon, QtMessagePort::kTitle, shown, QMessageBox::NoButton,
                    dialog_);
    box.setObjectName(u"ReplaceBox"_qs);
    box.setAccessibleName(QtMessagePort::kTitle);
    box.setAccessibleDescription(shown);
    std::vector<std::pair<QAbstractButton*, ReplaceAnswer>> answers;
    for (const ReplaceButton& b : replaceButtons()) {
        QPushButton* button = box.addButton(b.caption, b.role);
        button->setObjectName(QString::fromLatin1(b.name));
        answers.emplace_back(button, b.answer);
    }
    box.setDefaultButton(static_cast<QPushButton*>(answers.front().first));
    box.setEscapeButton(answers.back().first);
    takeKeyboardOnceShown(&box);
    box.exec();
    for (const auto& [button, answer] : answers)
        if (box.clickedButton() == button) return answer;
    return ReplaceAnswer::Cancel;
}

void QtCopyFeedback::end() {
    if (!dialog_) return;
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
}

QProgressDialog* QtCopyFeedback::dialog() const {
    return dialog_;
}
