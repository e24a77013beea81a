#include "teacher/FileTool.h"

#include "core/MkMain.h"
#include "teacher/FileLists.h"
#include "teacher/FileToolTexts.h"
#include "teacher/FolderText.h"
#include "teacher/Volumes.h"

#include <QDir>
#include <QFileInfo>
#include <array>
#include <initializer_list>

namespace {

constexpr int kLeft = 240;
constexpr int kRightLeft = 5040;
constexpr int kPanelWidth = 4560;
constexpr int kHalfButton = 2220;

using foldertext::shown;
using foldertext::treePath;
using foldertext::withSeparator;

// A heading over a panel, the panel's parts one under the other.
Control panelLabel(const QString& name, int left, int top) {
    Control c = makeLabel(name, {}, {left, top, kPanelWidth, 300}, 10);
    c.bold = true;
    return c;
}
Control driveList(const QString& name, int left, const QString& heading) {
    Control c = makeControl(ControlKind::DriveList, name, {}, {left, 2520, kPanelWidth, 360});
    c.accessibleName = heading;
    return c;
}
Control folderTree(const QString& name, int left, const QString& heading) {
    Control c = makeControl(ControlKind::FolderTree, name, {}, {left, 2940, kPanelWidth, 3000});
    c.accessibleName = heading;
    return c;
}
Control pathLabel(const QString& name, int left, const QString& heading) {
    Control c = makeLabel(name, {}, {left, 6000, kPanelWidth, 300});
    c.accessibleName = heading;
    c.border = true;
    return c;
}
Control folderButton(const QString& name, int left, bool local) {
    const QString caption = local ? u"ローカルフォルダに設定"_qs : u"アクティブフォルダに設定"_qs;
    return makeButton(name, caption,
                      {local ? left : left + kPanelWidth - kHalfButton, 6420, kHalfButton, 405});
}
Control folderLabel(const QString& name, int top, const QString& heading) {
    Control c = makeLabel(name, {}, {2160, top, 7440, 300});
    c.accessibleName = heading;
    return c;
}

void setShown(std::initializer_list<Control*> controls, bool visible) {
    for (Control* c : controls)
        c->visible = visible;
}

struct Captions {
    const char16_t* first;
    const char16_t* second;
};
// Panel headings by operation.
constexpr std::array<Captions, 6> kCaptions{{
    {u"複写元フォルダ", u"複写先フォルダ"},
    {u"Lessonフォルダ", u"削除するLessonを選択"},
    {u"アクティブフォルダ", u""},
    {u"複写元フォルダ", u"複写先フォルダ"},
    {u"個人履歴フォルダ", u"削除する個人履歴ファイルを選択"},
    {u"アクティブフォルダ", u""},
}};

} // namespace

FileTool::FileTool(MkMain& mk)
    : Window(mk, kName.toString()),
      Title(makeLabel(u"Title"_qs, u"Marokey Filing Tools"_qs, {kLeft, 120, 6000, 480}, 16)),
      FS(makeControl(ControlKind::ComboBox, u"FS"_qs, {}, {kLeft, 720, 4800, 405}, 10)),
      Go(makeButton(u"Go"_qs, u"実行"_qs, {5280, 720, 1440, 405}, 10)),
      ENDFT(makeButton(u"ENDFT"_qs, u"終了"_qs, {8160, 720, 1440, 405}, 10)),
      Label1(makeLabel(u"Label1"_qs, u"ローカルフォルダ"_qs, {kLeft, 1320, 1800, 300})),
      LF(folderLabel(u"LF"_qs, 1320, u"ローカルフォルダ"_qs)),
      Label3(makeLabel(u"Label3"_qs, u"アクティブフォルダ"_qs, {kLeft, 1680, 1800, 300})),
      AF(folderLabel(u"AF"_qs, 1680, u"アクティブフォルダ"_qs)),
      DL1(panelLabel(u"DL1"_qs, kLeft, 2160)),
      Drive1(driveList(u"Drive1"_qs, kLeft, u"ドライブ"_qs)),
      Dir1(folderTree(u"Dir1"_qs, kLeft, u"フォルダ"_qs)),
      Drv_Dir1(pathLabel(u"Drv_Dir1"_qs, kLeft, u"選択したフォルダ"_qs)),
      D1L(folderButton(u"D1L"_qs, kLeft, true)), D1A(folderButton(u"D1A"_qs, kLeft, false)),
      DL2(panelLabel(u"DL2"_qs, kRightLeft, 2160)),
      Drive2(driveList(u"Drive2"_qs, kRightLeft, u"複写先のドライブ"_qs)),
      Dir2(folderTree(u"Dir2"_qs, kRightLeft, u"複写先のフォルダ"_qs)),
      Drv_Dir2(pathLabel(u"Drv_Dir2"_qs, kRightLeft, u"選択したフォルダまたはファイル"_qs)),
      D2L(folderButton(u"D2L"_qs, kRightLeft, true)),
      D2A(folderButton(u"D2A"_qs, kRightLeft, false)),
      List1(makeControl(ControlKind::ListBox, u"List1"_qs, {},
                        {kRightLeft, 2520, kPanelWidth, 3420}, 10)) {
    caption = u"FileTool"_qs;
    geometry = {0, 0, 9960, 7380};
    Title.bold = true;
    FS.accessibleName = u"ファイリング処理"_qs;
    List1.accessibleName = u"削除するファイル"_qs;
    for (Control* c :
         {&Title,    &FS,  &Go,  &ENDFT, &Label1, &LF,   &Label3,   &AF,  &DL1, &Drive1, &Dir1,
          &Drv_Dir1, &D1L, &D1A, &DL2,   &Drive2, &Dir2, &Drv_Dir2, &D2L, &D2A, &List1})
        add(*c);
}

void FileTool::Form_Load() {
    FS.items = filetool::operations();
    FS.caption = filetool::chooseOperation();
    FS.listIndex = -1;
    Drive1.items = volumes::roots(mk.programFolder);
    Drive2.items = Drive1.items;
    setFolder(panel1(), mk.programFolder);
    setFolder(panel2(), mk.programFolder);
    Go.visible = false;
    setShown({&DL1, &Drive1, &Dir1, &Drv_Dir1, &D1L, &D1A}, false);
    showSecondArea(false, false);
    firstChoiceMade = false;
}

void FileTool::Click(Control& c) {
    if (&c == &FS) FS_Click();
    if (&c == &Go) Go_Click();
    if (&c == &ENDFT) ENDFT_Click();
    if (&c == &D1L) D1L_Click();
    if (&c == &D1A) D1A_Click();
    if (&c == &D2L) D2L_Click();
    if (&c == &D2A) D2A_Click();
    if (&c == &List1) List1_Click();
}

void FileTool::Change(Control& c) {
    if (&c == &Drive1) Drive1_Change();
    if (&c == &Drive2) Drive2_Change();
    if (&c == &Dir1) Dir1_Change();
    if (&c == &Dir2) Dir2_Change();
}

QString FileTool::localFolder() const {
    return lessonKind() ? mk.DefaultLessonFolder : mk.DefaultDataFolder;
}

QString FileTool::activeFolder() const {
    return lessonKind() ? mk.LessonFolder : mk.DataFolder;
}

void FileTool::FS_Click() {
    const int op = operation();
    if (op < 0 || op >= int(kCaptions.size())) return;
    if (!firstChoiceMade) {
        Go.visible = true;
        setShown({&DL1, &Drive1, &Dir1, &Drv_Dir1, &D1L, &D1A}, true);
        firstChoiceMade = true;
    }
    LF.caption = shown(localFolder());
    AF.caption = shown(activeFolder());
    DL1.caption = QString::fromUtf16(kCaptions[op].first);
    DL2.caption = QString::fromUtf16(kCaptions[op].second);
    const bool copying = op == kCopyLessons || op == kCopyHistories;
    showSecondArea(copying, false);
    if (copying) Drv_Dir2.caption = shown(Dir2.caption);
    if (op == kDeleteLesson) loadLessonList();
    if (op == kDeleteHistory) loadHistoryList();
}

void FileTool::showSecondArea(bool panel2, bool list) {
    setShown({&Drive2, &Dir2, &D2L, &D2A}, panel2);
    setShown({&DL2, &Drv_Dir2}, panel2 || list);
    List1.visible = list;
}

void FileTool::ENDFT_Click() {
    mk.windows.Unload(name());
}

void FileTool::D1L_Click() {
    if (operation() >= 0) setFolder(panel1(), localFolder());
}

void FileTool::D1A_Click() {
    if (operation() >= 0) setFolder(panel1(), activeFolder());
}

void FileTool::D2L_Click() {
    if (operation() == kCopyLessons || operation() == kCopyHistories)
        setFolder(panel2(), localFolder());
}

void FileTool::D2A_Click() {
    if (operation() == kCopyLessons || operation() == kCopyHistories)
        setFolder(panel2(), activeFolder());
}

// The tree shows the folder, the drive list the volume that holds it.
void FileTool::setFolder(Panel panel, const QString& folder) {
    const QString path = treePath(folder);
    int drive = volumes::indexFor(panel.drive.items, path);
    if (drive < 0) { // a volume mounted since the window opened
        panel.drive.items = volumes::roots(path) + panel.drive.items;
        panel.drive.items.removeDuplicates();
        panel.drive.items.sort();
        drive = volumes::indexFor(panel.drive.items, path);
    }
    panel.drive.listIndex = drive;
    panel.tree.rootPath = drive >= 0 ? panel.drive.items.at(drive) : path;
    panel.tree.caption = path;
    Change(panel.tree);
}

void FileTool::Drive1_Change() {
    driveChanged(panel1());
}

void FileTool::Drive2_Change() {
    driveChanged(panel2());
}

void FileTool::driveChanged(Panel panel) {
    const int drive = panel.drive.listIndex;
    if (drive < 0 || drive >= panel.drive.items.size()) return;
    const QString root = panel.drive.items.at(drive);
    const volumes::State state = volumes::check(root);
    if (state == volumes::State::Ready) {
        panel.tree.rootPath = root;
        panel.tree.caption = treePath(root);
        Change(panel.tree);
        return;
    }
    mk.ports.beep.beep();
    mk.ShowMessageText(state == volumes::State::NotReady ? filetool::driveNotReady()
                                                         : filetool::driveDamaged());
    setFolder(panel1(), mk.programFolder);
    setFolder(panel2(), mk.programFolder);
}

void FileTool::Dir1_Change() {
    Drv_Dir1.caption = shown(Dir1.caption);
    if (operation() == kDeleteLesson) loadLessonList();
    if (operation() == kDeleteHistory) loadHistoryList();
}

void FileTool::Dir2_Change() {
    Drv_Dir2.caption = shown(Dir2.caption);
}

void FileTool::List1_Click() {
    if (List1.listIndex >= 0 && List1.listIndex < List1.items.size())
        Drv_Dir2.caption = List1.items.at(List1.listIndex);
}

void FileTool::showList(const QStringList& entries) {
    List1.items = entries;
    List1.listIndex = -1;
    Drv_Dir2.caption.clear();
    showSecondArea(false, !entries.isEmpty());
}

void FileTool::loadLessonList() {
    const QString path = withSeparator(Dir1.caption) + u"Lesson_List.Add.txt"_qs;
    addedLessons.clear();
    if (!QFileInfo::exists(path)) return showList({});
    auto read = filelists::addedLessons(path);
    if (!read) {
        showList({});
        return mk.ShowMessageText(filetool::listUnreadable(shown(path)));
    }
    addedLessons = std::move(read).value();
    QStringList titles;
    for (const CatalogueRecord& r : addedLessons)
        if (titles.size() < filelists::kMaxLessons) titles << r.title;
    showList(titles);
    if (addedLessons.size() > size_t(filelists::kMaxLessons))
        mk.ShowMessageText(filetool::lessonsCut(filelists::kMaxLessons));
}

void FileTool::loadHistoryList() {
    const QString folder = withSeparator(Dir1.caption);
    const QStringList found = filelists::historyFiles(folder);
    historyFiles = found.mid(0, filelists::kMaxHistories);
    QStringList lines;
    for (const QString& fileName : historyFiles)
        lines << filelists::historyLine(folder, fileName);
    showList(lines);
    if (found.size() > filelists::kMaxHistories)
        mk.ShowMessageText(filetool::historiesCut(filelists::kMaxHistories));
}
