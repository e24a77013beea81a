#include "ui/QtCopyFeedback.h"

#include "ui/ControlWidgets.h"
#include "ui/QtMessagePort.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
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
    ReplaceAnswer answer;
};

std::array<ReplaceButton, 5> replaceButtons() {
    return {{
        {"Yes", u"はい"_qs, ReplaceAnswer::Yes},
        {"No", u"いいえ"_qs, ReplaceAnswer::No},
        {"YesToAll", u"すべてはい"_qs, ReplaceAnswer::YesToAll},
        {"NoToAll", u"すべていいえ"_qs, ReplaceAnswer::NoToAll},
        {"Cancel", u"キャンセル"_qs, ReplaceAnswer::Cancel},
    }};
}

// A box takes the keyboard as soon as it is up, so Enter answers it. A box
// over the progress dialog sits below it, leaving the file and count in sight.
void takeKeyboardOnceShown(QWidget* box, const QWidget* under = nullptr) {
    QTimer::singleShot(0, box, [box, under = QPointer<const QWidget>(under)] {
        if (under && under->isVisible()) {
            const QRect above = under->frameGeometry();
            box->move(above.center().x() - box->frameGeometry().width() / 2, above.bottom() + 8);
        }
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
    QMessageBox box(QMessageBox::NoIcon, QtMessagePort::kTitle, shown);
    box.setObjectName(u"ReplaceBox"_qs);
    box.setAccessibleName(QtMessagePort::kTitle);
    box.setAccessibleDescription(shown);
    std::vector<std::pair<QAbstractButton*, ReplaceAnswer>> answers;
    for (const ReplaceButton& b : replaceButtons()) {
        // One role for all keeps them in this order on every platform.
        QPushButton* button = box.addButton(b.caption, QMessageBox::ActionRole);
        button->setObjectName(QString::fromLatin1(b.name));
        answers.emplace_back(button, b.answer);
    }
    box.setDefaultButton(static_cast<QPushButton*>(answers.front().first));
    box.setEscapeButton(answers.back().first);
    takeKeyboardOnceShown(&box, dialog_);
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
