#pragma once

#include "core/Catalogue.h"
#include "core/Window.h"

#include <vector>

// Where the teacher copies, deletes and moves the shared lesson files and
// personal history files, between the local folders beside the program and
// the active ones the whole school reads.
class FileTool final : public Window {
public:
    static constexpr QStringView kName = u"FileTool";

    // The items of FS.
    enum Operation : int {
        kCopyLessons,
        kDeleteLesson,
        kMoveLessons,
        kCopyHistories,
        kDeleteHistory,
        kMoveHistories
    };

    explicit FileTool(MkMain& mk);

    Control Title, FS, Go, ENDFT, Label1, LF, Label3, AF, DL1, Drive1, Dir1, Drv_Dir1, D1L, D1A,
        DL2, Drive2, Dir2, Drv_Dir2, D2L, D2A, List1;

    bool firstChoiceMade = false;
    std::vector<CatalogueRecord> addedLessons; // all of them, even beyond what List1 shows
    QStringList historyFiles;                  // as many as List1 shows

    void Form_Load() override;
    void Click(Control& c) override;
    void Change(Control& c) override;
    void FS_Click();
    void Go_Click();
    void ENDFT_Click();
    void D1L_Click();
    void D1A_Click();
    void D2L_Click();
    void D2A_Click();
    void Drive1_Change();
    void Drive2_Change();
    void Dir1_Change();
    void Dir2_Change();
    void List1_Click();

private:
    struct Panel {
        Control& drive;
        Control& tree;
        Control& path;
    };
    Panel panel1() { return {Drive1, Dir1, Drv_Dir1}; }
    Panel panel2() { return {Drive2, Dir2, Drv_Dir2}; }

    int operation() const { return FS.listIndex; }
    bool lessonKind() const { return operation() <= kMoveLessons; }
    QString localFolder() const;
    QString activeFolder() const;

    void setFolder(Panel panel, const QString& folder);
    void driveChanged(Panel panel);
    void showSecondArea(bool panel2, bool list);
    void loadLessonList();
    void loadHistoryList();
    void showList(const QStringList& entries);
    void copyFolder();
    void copyWithMessage(const QString& from, const QString& pattern, const QString& to);
    void deleteLesson();
    void deleteHistory();
    void changeActiveFolder();
    bool asked(const QString& question);
};
