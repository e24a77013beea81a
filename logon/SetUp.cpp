#include "logon/SetUp.h"

#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/Keys.h"
#include "core/MkMain.h"
#include "logon/Credentials.h"

namespace {

constexpr int kRow = 540;

Twips headingAt(int row) {
    return {240, 780 + row * kRow, 1320, 345};
}
Twips boxAt(int row) {
    return {1680, 720 + row * kRow, 2880, 405};
}

} // namespace

SetUp::SetUp(MkMain& mk)
    : Window(mk, kName.toString()),
      Label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("ＭＫ SetUp"),
                       {240, 120, 4320, 480}, 18)),
      Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("ユーザー名"), headingAt(0), 11)),
      Text1(makeTextBox(QStringLiteral("Text1"), QStringLiteral("ユーザー名"), boxAt(0))),
      Label2(makeLabel(QStringLiteral("Label2"), QStringLiteral("パスワード"), headingAt(1), 11)),
      Text2(makeTextBox(QStringLiteral("Text2"), QStringLiteral("パスワード"), boxAt(1))),
      Label5(makeLabel(QStringLiteral("Label5"), QStringLiteral("学　　　年"), headingAt(2), 11)),
      Text3(makeTextBox(QStringLiteral("Text3"), QStringLiteral("学　　　年"), boxAt(2))),
      Label4(makeLabel(QStringLiteral("Label4"), QStringLiteral("学　　　級"), headingAt(3), 11)),
      Text4(makeTextBox(QStringLiteral("Text4"), QStringLiteral("学　　　級"), boxAt(3))),
      Label7(makeLabel(QStringLiteral("Label7"), QStringLiteral("番　　　号"), headingAt(4), 11)),
      Text5(makeTextBox(QStringLiteral("Text5"), QStringLiteral("番　　　号"), boxAt(4))),
      Label6(makeLabel(QStringLiteral("Label6"), QStringLiteral("氏　　　名"), headingAt(5), 11)),
      Text6(makeTextBox(QStringLiteral("Text6"), QStringLiteral("氏　　　名"), boxAt(5))),
      Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("OK"),
                          {1680, 780 + 6 * kRow, 1380, 435}, 10)),
      Command2(makeButton(QStringLiteral("Command2"), QStringLiteral("Cancel"),
                          {3180, 780 + 6 * kRow, 1380, 435}, 10)) {
    caption = QStringLiteral("ＭＫ SetUp");
    geometry = {0, 0, 4800, 4560};
    Label3.bold = true;
    // They only show what was typed at log-on.
    Text1.enabled = false;
    Text2.enabled = false;
    Text2.password = true;
    for (Control* t : {&Text3, &Text4, &Text5})
        t->imeMode = ImeMode::Off;
    Text6.imeMode = ImeMode::On;
    for (Control* c : {&Label3, &Label1, &Text1, &Label2, &Text2, &Label5, &Text3, &Label4, &Text4,
                       &Label7, &Text5, &Label6, &Text6, &Command1, &Command2})
        add(*c);
}

void SetUp::Form_Load() {
    mk.windows.Unload(QStringLiteral("LogOn"));
    Text1.caption = mk.UserID;
    Text2.caption = mk.UserPassword;
    SetFocus(Text3);
}

void SetUp::Click(Control& c) {
    if (&c == &Command1) Command1_Click();
    if (&c == &Command2) Command2_Click();
}

void SetUp::KeyPress(Control& c, int& keyAscii) {
    if (keyAscii != keys::kEnter) return;
    if (&c == &Text3) SetFocus(Text4);
    if (&c == &Text4) SetFocus(Text5);
    if (&c == &Text5) SetFocus(Text6);
    if (&c == &Text6) SetFocus(Command1);
}

void SetUp::Command1_Click() {
    // Full-width digits typed with the input method on count as digits.
    const auto number = [](const Control& box) {
        return toByte(box.caption.normalized(QString::NormalizationForm_KC));
    };
    const auto year = number(Text3);
    const auto classNo = number(Text4);
    const auto pupilNo = number(Text5);
    if (!year || !classNo || !pupilNo) {
        mk.ShowMessageText(
            QStringLiteral("学年・学級・番号には、0 から 255 までの数字を入力してください。"));
        return;
    }
    const QString name = cp932::foldLookAlikes(Text6.caption);
    if (const auto problem = credentials::fieldProblem(name, QStringLiteral("氏名"), false)) {
        mk.ShowMessageText(*problem);
        return;
    }
    mk.MessageText = QStringLiteral("データは正しいですか？");
    if (mk.ShowMessage(1) != MessageAnswer::Yes) return Command2_Click();
    mk.Grade = *year;
    mk.ClassNo = *classNo;
    mk.PupilNo = *pupilNo;
    mk.UserName = name;
    mk.windows.Show(QStringLiteral("Menu"));
}

void SetUp::Command2_Click() {
    for (Control* t : {&Text3, &Text4, &Text5, &Text6})
        t->caption.clear();
    SetFocus(Text3);
}
