#pragma once

#include "core/KeyTables.h"
#include "core/MkMain.h"
#include "engine/Marokey.h"
#include "engine/compact/MarokeySVGA.h"
#include "support/ProgramFolder.h"
#include "support/ScriptedPorts.h"
#include "support/Windows.h"

#include <gtest/gtest.h>

// A lesson window (the large one unless told) on lesson 0, with the delivered
// key table and a stand-in menu. Keys go through the registry as the window
// layer sends them.
template <class W> struct BasicLessonFixture : ::testing::Test {
    ProgramFolder folder;
    ScriptedMessages messages;
    FakeClock clock;
    FakeRandom random;
    CountingBeep beep;
    RecordingMedia media;
    RecordingPrinter printer;
    ScriptedCopies copies;
    MkMain mk{Ports{messages, clock, random, beep, media, printer, copies}, folder.root()};

    BasicLessonFixture() {
        mk.DefaultLessonFolder = folder.lessons();
        useDeliveredKeys(mk);
        addWindows(mk.windows, {W::kName});
        addStandIns(mk.windows, {u"Menu"});
    }

    // Lesson 0 from these lines, written with CR LF ends.
    void setLesson(int kind, const QStringList& lines, const QString& title = u"練習"_qs,
                   const QString& orderFlag = u"1"_qs, const QString& file = u"lesson.txt"_qs) {
        folder.writeText(u"MKLesson/"_qs + file, lines.join(u"\r\n"_qs) + u"\r\n"_qs);
        mk.LessonTitle[0] = title;
        mk.LessonFile[0] = file;
        mk.LessonFile2[0] = orderFlag;
        mk.LessonKind[0] = static_cast<quint8>(kind);
        mk.LessonFactor[0] = 1.0f;
    }
    // A question lesson, its answers in "answers.txt".
    void setQuestions(const QStringList& questions, const QStringList& answers,
                      const QString& file = u"問題.txt"_qs) {
        setLesson(5, questions, u"問題"_qs, u"answers.txt"_qs, file);
        folder.writeText(u"MKLesson/answers.txt"_qs, answers.join(u"\r\n"_qs) + u"\r\n"_qs);
    }
    void standIn(const QString& name) { addStandIns(mk.windows, {name}); }

    // Shows the window; nullptr when loading unloaded it.
    W* open() {
        mk.windows.Show(W::kName.toString());
        return w();
    }
    void reopen() {
        mk.windows.Unload(W::kName.toString());
        open();
    }
    W* w() const { return mk.windows.get<W>(W::kName.toString()); }
    bool visible(const QString& name) const { return mk.windows.isVisible(name); }

    void press(int keyAscii) {
        mk.windows.dispatch([&] { w()->T_KeyPress(keyAscii); });
    }
    void release(int keyCode) {
        mk.windows.dispatch([&] { w()->T_KeyUp(keyCode, 0); });
    }
    void typeKeys(const QString& keys) {
        for (QChar c : keys) {
            press(c.unicode());
            release(c.toUpper().unicode());
        }
    }
    void enter() { typeKeys(u"\r"_qs); }
    void submit(const QString& line) {
        w()->T.caption = line;
        enter();
    }
    // Every line typed without a miss from clock 100 to 100 + seconds.
    void typeLesson(double seconds = 60.0) {
        clock.seconds = 100.0;
        enter();
        clock.seconds = 100.0 + seconds;
        for (const QString& line : w()->LessonLines)
            typeKeys(line + u"\r"_qs);
    }
    void tick() {
        mk.windows.dispatch([&] { w()->Timer1_Timer(); });
    }
    // The marked keys, keypad caps and fingers, sorted: "AZ28r F7r" (r red, b blue).
    QString guide() const {
        QStringList marks;
        const auto mark = [&](const char* name, const auto& controls, quint32 rest) {
            for (size_t i = 0; i < controls.size(); ++i) {
                const quint32 c = controls[i].backColor;
                const char colour = c == colors::kRed ? 'r' : c == colors::kBlue ? 'b' : '?';
                if (c != rest) marks << name + QString::number(i) + colour;
            }
        };
        mark("AZ", w()->AZ, colors::kLightGrey);
        mark("TK", w()->TK, colors::kLightGrey);
        mark("F", w()->F, colors::kLightRed);
        marks.sort();
        return marks.join(u' ');
    }
};

using LessonFixture = BasicLessonFixture<Marokey>;
using CompactFixture = BasicLessonFixture<MarokeySVGA>;
