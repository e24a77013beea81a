#include "teacher/Renomix.h"

#include "core/Cp932.h"
#include "core/MkMain.h"
#include "core/WholeFile.h"
#include "teacher/FolderText.h"
#include "teacher/FolderWalk.h"
#include "teacher/Volumes.h"

#include <QFile>
#include <array>
#include <initializer_list>

namespace {

constexpr int kLeft = 240;
constexpr int kRight = 4680;
constexpr int kMaxExtensions = 99;

Control headed(ControlKind kind, const QString& name, Twips at, const QString& heading) {
    Control c = makeControl(kind, name, {}, at);
    c.accessibleName = heading;
    return c;
}
Control bar(const QString& name, int top, const QString& heading) {
    Control c = headed(ControlKind::ProgressBar, name, {kRight, top, 4560, 240}, heading);
    c.max = 1;
    return c;
}

struct Captions {
    const char16_t* gather;
    const char16_t* sort;
    const char16_t* act;
};
constexpr std::array<Captions, 7> kCaptions{{
    {u"", u"", u""},
    {u"Get  FileName AND FileSize", u"Sort FileName AND FileSize", u"Change FileName"},
    {u"Get  FileName AND FileSize", u"Sort FileName AND FileSize", u"Change FileName"},
    {u"Get  FileName AND DateTime", u"Sort FileName AND DateTime", u"Change FileName"},
    {u"Get  FileName AND DateTime", u"Sort FileName AND DateTime", u"Change FileName"},
    {u"Get  FileName AND FileSize", u"Sort FileName AND FileSize", u"Binary Delete"},
    {u"Now Folder Checking !", u"Folder Processing", u"File   Processing"},
}};

QStringList actions() {
    return {u"FileName UP"_qs,   u"FileSize UP"_qs,   u"FileSize DOWN"_qs, u"DateTime UP"_qs,
            u"DateTime DOWN"_qs, u"Binary Delete"_qs, u"Collect Files"_qs};
}

// One extension per line; an empty line is no extension.
QStringList extensionLines(const QByteArray& bytes) {
    QStringList lines;
    for (QString line : cp932::decode(bytes).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (!line.isEmpty() && lines.size() < kMaxExtensions) lines << line;
    }
    return lines;
}

} // namespace

Renomix::Renomix(MkMain& mk)
    : Window(mk, kName.toString()),
      Drive1(headed(ControlKind::DriveList, u"Drive1"_qs, {kLeft, 240, 4200, 360}, u"ドライブ"_qs)),
      Dir1(headed(ControlKind::FolderTree, u"Dir1"_qs, {kLeft, 660, 4200, 2940}, u"フォルダ"_qs)),
      File1(headed(ControlKind::ListBox, u"File1"_qs, {kLeft, 3720, 4200, 2520}, u"ファイル"_qs)),
      Combo1(headed(ControlKind::ComboBox, u"Combo1"_qs, {kRight, 240, 2400, 360},
                    u"ファイルの種類"_qs)),
      Label5(makeLabel(u"Label5"_qs, u"Figures"_qs, {kRight, 1800, 1200, 300})),
      Combo2(headed(ControlKind::ComboBox, u"Combo2"_qs, {5940, 1760, 1080, 360}, u"Figures"_qs)),
      Label6(makeLabel(u"Label6"_qs, u"Action"_qs, {kRight, 2220, 1200, 300})),
      Combo3(headed(ControlKind::ComboBox, u"Combo3"_qs, {5940, 2180, 2400, 360}, u"Action"_qs)),
      Label1(makeLabel(u"Label1"_qs, u"Header"_qs, {kRight, 1380, 1200, 300})),
      Text1(makeTextBox(u"Text1"_qs, u"Header"_qs, {5940, 1340, 2400, 360}, 10)),
      Command1(makeButton(u"Command1"_qs, u"Start"_qs, {kRight, 2700, 1600, 420})),
      Command3(makeButton(u"Command3"_qs, u"Edit"_qs, {7200, 240, 1080, 360})),
      Command4(makeButton(u"Command4"_qs, u"Regst"_qs, {7200, 240, 1080, 360})),
      EE(makeTextBox(u"EE"_qs, u"拡張子の一覧"_qs, {kLeft, 3720, 4200, 2520}, 10)),
      Label7(makeLabel(u"Label7"_qs,
                       u"右のテキストボックスに、１行ごとに拡張子のみを入力し、Regst（登録）"
                       u"ボタンをクリックてください。"_qs,
                       {kRight, 660, 4560, 600})),
      Label2(makeLabel(u"Label2"_qs, {}, {kRight, 3240, 4560, 270})),
      ProgressBar1(bar(u"ProgressBar1"_qs, 3540, u"第一段階の進み具合"_qs)),
      Label3(makeLabel(u"Label3"_qs, {}, {kRight, 3900, 4560, 270})),
      ProgressBar2(bar(u"ProgressBar2"_qs, 4200, u"第二段階の進み具合"_qs)),
      Label4(makeLabel(u"Label4"_qs, {}, {kRight, 4560, 4560, 270})),
      ProgressBar3(bar(u"ProgressBar3"_qs, 4860, u"第三段階の進み具合"_qs)),
      MKDCollect(makeButton(u"MKDCollect"_qs, u"マロキー成績処理"_qs, {kRight, 5520, 2280, 480})),
      Help(makeButton(u"Help"_qs, u"使い方"_qs, {7080, 5520, 1020, 480})),
      Fine(makeButton(u"Fine"_qs, u"終了"_qs, {8220, 5520, 1020, 480})) {
    caption = u"RenomixMK"_qs;
    geometry = {0, 0, 9600, 6780};
    Label7.wordWrap = true;
    EE.multiLine = true;
    for (Control* c : {&Drive1,       &Dir1,   &File1,        &Combo1,     &Label5,       &Combo2,
                       &Label6,       &Combo3, &Label1,       &Text1,      &Command1,     &Command3,
                       &Command4,     &EE,     &Label7,       &Label2,     &ProgressBar1, &Label3,
                       &ProgressBar2, &Label4, &ProgressBar3, &MKDCollect, &Help,         &Fine})
        add(*c);
}

QString Renomix::extensionFile() const {
    return mk.programFolder + u"Extension"_qs;
}

void Renomix::Form_Load() {
    readExtensions();
    Combo1.listIndex = 0;
    Drive1.items = volumes::roots(mk.programFolder);
    Combo2.items = {u"1"_qs, u"2"_qs, u"3"_qs, u"4"_qs, u"5"_qs, u"6"_qs};
    Combo3.items = actions();
    showEditor(false);
    setFolder(mk.programFolder);
    reset();
}

void Renomix::Click(Control& c) {
    if (&c == &Combo1) Combo1_Click();
    if (&c == &Combo2) Combo2_Click();
    if (&c == &Combo3) Combo3_Click();
    if (&c == &Command1) Command1_Click();
    if (&c == &Command3) Command3_Click();
    if (&c == &Command4) Command4_Click();
    if (&c == &Fine) Fine_Click();
    if (&c == &Help) Help_Click();
    if (&c == &MKDCollect) MKDCollect_Click();
}

// The drop-downs take no typing, so only the folder controls change.
void Renomix::Change(Control& c) {
    if (&c == &Drive1) Drive1_Change();
    if (&c == &Dir1) Dir1_Change();
}

void Renomix::readExtensions() {
    QFile file(extensionFile());
    extensions.clear();
    if (file.open(QIODevice::ReadOnly)) extensions = extensionLines(file.readAll());
    if (file.exists() && extensions.isEmpty()) file.remove();
    Combo1.items = {u"*.*"_qs};
    for (const QString& e : extensions)
        Combo1.items << u"*."_qs + e;
}

void Renomix::Combo1_Click() {
    if (Combo1.listIndex < 0 || Combo1.listIndex >= Combo1.items.size()) return;
    pattern = Combo1.items.at(Combo1.listIndex);
    refreshFiles();
}

void Renomix::Combo2_Click() {
    const int chosen = Combo2.items.value(Combo2.listIndex).toInt();
    if (chosen >= 1 && chosen <= 6)
        digits = chosen;
    else
        Combo2.listIndex = 5;
}

// A forced collect (the results button) keeps its action until the reset.
void Renomix::Combo3_Click() {
    if (action != kCollectFiles && Combo3.listIndex >= 0) action = Combo3.listIndex;
    showCaptions();
}

void Renomix::showCaptions() {
    const Captions& c = kCaptions.at(size_t(action));
    Label2.caption = QString::fromUtf16(c.gather);
    Label3.caption = QString::fromUtf16(c.sort);
    Label4.caption = QString::fromUtf16(c.act);
}

void Renomix::Command3_Click() {
    EE.caption = extensions.join(u"\r\n"_qs);
    showEditor(true);
    SetFocus(EE);
}

void Renomix::Command4_Click() {
    const Status written = wholefile::write(extensionFile(), cp932::encode(EE.caption));
    if (!written)
        mk.ShowMessageText(u"拡張子を登録できませんでした。"_qs + u'\r' + written.error().message);
    readExtensions();
    Combo1.listIndex = 0;
    pattern = u"*.*"_qs;
    refreshFiles();
    showEditor(false);
}

void Renomix::showEditor(bool editing) {
    for (Control* c : {&File1, &Command1, &Command3})
        c->visible = !editing;
    EE.visible = editing;
    Command4.visible = editing;
}

void Renomix::setFolder(const QString& folder) {
    const QString path = foldertext::treePath(folder);
    const int drive = volumes::indexFor(Drive1.items, path);
    Drive1.listIndex = drive;
    Dir1.rootPath = drive >= 0 ? Drive1.items.at(drive) : path;
    Dir1.caption = path;
    Dir1_Change();
}

void Renomix::Dir1_Change() {
    refreshFiles();
}

void Renomix::refreshFiles() {
    File1.items = folderwalk::matchingFiles(Dir1.caption, pattern);
    File1.listIndex = -1;
}

void Renomix::Drive1_Change() {
    const QString root = Drive1.items.value(Drive1.listIndex);
    if (root.isEmpty()) return;
    if (volumes::check(root) == volumes::State::Ready) {
        Dir1.rootPath = root;
        Dir1.caption = foldertext::treePath(root);
        return Dir1_Change();
    }
    mk.ports.beep.beep();
    mk.ShowMessageText(u"ディスクが準備できていません"_qs);
    setFolder(mk.programFolder);
}

void Renomix::Fine_Click() {
    mk.windows.Unload(name());
}

void Renomix::Help_Click() {
    mk.windows.Show(u"Refarence"_qs, true);
}

// The end of every action: the choices go back to their first values, the
// folder and the pattern stay.
void Renomix::reset() {
    for (Control* b : {&ProgressBar1, &ProgressBar2, &ProgressBar3}) {
        b->value = 0;
        b->max = 1;
    }
    Text1.caption = u"No"_qs;
    digits = 6;
    Combo2.listIndex = 5;
    action = kFileNameUp;
    Combo3.listIndex = -1;
    Combo3.caption = u"No Select"_qs;
    for (Control* l : {&Label2, &Label3, &Label4})
        l->caption.clear();
    refreshFiles();
}

void Renomix::finish() {
    reset();
    mk.ShowMessageText(failed ? u"正常終了できませんでした"_qs : u"正常終了しました"_qs);
    failed = false;
}

void Renomix::refuse(const QString& message) {
    mk.ports.beep.beep();
    mk.ShowMessageText(message);
    reset();
}

// Each step is drawn before the next begins.
void Renomix::moveBar(Control& bar, int value, int max) {
    bar.max = qMax(1, max);
    bar.value = qBound(0, value, bar.max);
    mk.windows.letWindowsCatchUp();
}
