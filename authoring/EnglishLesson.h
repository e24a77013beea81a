#pragma once

#include "core/Window.h"

// The English word lesson as a teacher edits it: words on the left, their
// meanings line for line on the right. Closing saves both lists and stays
// open while their lengths differ.
class EnglishLesson final : public Window {
public:
    static constexpr QStringView kName = u"EnglishLesson";
    static constexpr QStringView kWordFile = u"英単語.txt";
    static constexpr QStringView kMeaningFile = u"英単語意味.txt";

    explicit EnglishLesson(MkMain& mk);

    Control Label1, Label2, Label3, Text1, Text2, Command1;
    // Non-empty items found when the files were last read back.
    qint16 WordCount = 0;
    qint16 MeaningCount = 0;

    void Form_Load() override;
    void Click(Control& c) override;
    void Command1_Click();

private:
    // Fills the box with the file's non-empty items, one a line; returns their number.
    qint16 readInto(Control& box, QStringView fileName);
    // Writes the box's text whole with a line end after it; shows the failure itself.
    bool save(const Control& box, QStringView fileName);
};
