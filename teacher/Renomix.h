#pragma once

#include "core/Window.h"
#include "teacher/RenomixSort.h"

#include <QStringList>
#include <vector>

// The teachers' file utility: renumbers one folder's files in order of name,
// size or date, deletes files whose content another file repeats, collects
// files from a whole folder tree, and turns collected history files into the
// class results tables.
class Renomix final : public Window {
public:
    static constexpr QStringView kName = u"Renomix";

    // The items of Combo3.
    enum Action : int {
        kFileNameUp,
        kFileSizeUp,
        kFileSizeDown,
        kDateTimeUp,
        kDateTimeDown,
        kBinaryDelete,
        kCollectFiles
    };

    explicit Renomix(MkMain& mk);

    Control Drive1, Dir1, File1, Combo1, Label5, Combo2, Label6, Combo3, Label1, Text1, Command1,
        Command3, Command4, EE, Label7, Label2, ProgressBar1, Label3, ProgressBar2, Label4,
        ProgressBar3, MKDCollect, Help, Fine;

    int action = kFileNameUp;
    int digits = 6;
    QString pattern = u"*.*"_qs; // what File1 lists
    QStringList extensions;
    bool failed = false;

    // Where the registered extensions are kept.
    QString extensionFile() const;

    void Form_Load() override;
    void Click(Control& c) override;
    void Change(Control& c) override;
    void Combo1_Click();
    void Combo2_Click();
    void Combo3_Click();
    void Command1_Click();
    void Command3_Click();
    void Command4_Click();
    void Dir1_Change();
    void Drive1_Change();
    void Fine_Click();
    void Help_Click();
    void MKDCollect_Click();

private:
    void setFolder(const QString& folder);
    void refreshFiles();
    void readExtensions();
    void showCaptions();
    void showEditor(bool editing);
    void reset();
    void finish();
    void refuse(const QString& message);
    void moveBar(Control& bar, int value, int max);

    // Start, in stages.
    std::vector<renomix::SortEntry> gather();
    void renumber(const std::vector<renomix::SortEntry>& files);
    void deleteDuplicates(const std::vector<renomix::SortEntry>& files);

    // Collect Files and the history tables.
    void collectFiles();
    void copyFolder(const QString& root, const QString& folder);
    void convertHistories();
};
