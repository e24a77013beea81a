#pragma once

#include "core/LessonKind.h"
#include "core/Window.h"
#include "engine/RomajiJudge.h"

#include <QStringList>
#include <array>
#include <optional>

// The lesson engine shared by the large and the compact lesson window: the
// controls both have, the window state, the phase machine, key routing, the
// runs and the results. A window class lays the controls out and supplies the
// few steps in which the two windows differ.
class LessonWindow : public Window {
public:
    // Phases of a run.
    enum : quint8 { Ready = 0, Typing = 1, LineDone = 2, LastLineDone = 3, Stopped = 4, Shown = 5 };

    LessonWindow(MkMain& mk, const QString& name);

    // Controls both windows have.
    Control T, L, H, Tit, K_P, K_K, S_T, Z_T, Z_G, M_C, N_L, Miss, BTim, Tim, TOKUTEN, LEV;
    Control Timer1, Repeat, Lesson_Select, TK_F;
    std::array<Control, 66> AZ;
    std::array<Control, 17> TK;
    std::array<Control, 9> F;
    std::array<Control, 10> Shape2; // finger bodies 0..8, 9 the right palm
    std::array<Control, 9> Shape4;  // nails
    Control Shape1;                 // the left palm

    // Window state.
    QStringList LessonLines; // line i is LessonLines[i - 1]
    QStringList AnswerLines;
    qint16 LineCount = 0;
    qint16 CurrentLine = 0;
    qint16 LineLength = 0;
    qint16 CharPos = 0;
    QString ExpectedChar, NextChar, TypedText;
    quint8 Phase = Ready;
    qint16 MissCount = 0;
    double StartTime = 0.0; // monotonic seconds, so a run over midnight is right
    float ElapsedSeconds = 0.0f;
    qint16 Score = 0, TotalExperience = 0, GainedExperience = 0, TenMinuteCount = 0;
    qint16 TotalChars = 0;
    quint8 BestScore = 0;
    QString ExperienceText, PrintText;
    quint8 RepeatOn = 0;
    std::array<qint16, 101> ExperienceMilestones{};
    qint16 ClearInputOnKeyUp = 0, ClearInputOnTick = 0;
    qint16 LastKeyAscii = 0;
    std::array<quint8, 16> TenKeyFinger{};
    qint16 TenKeyLayoutDone = 0;
    QString ExpectedLine;
    qint16 MissesOnQuestion = 0;

    // Events.
    void Form_Load() override;
    void Click(Control& c) override;
    void KeyPress(Control& c, int& keyAscii) override;
    void KeyUp(Control& c, int keyCode, int shift) override;
    void Timer(Control& c) override;

    // Procedures.
    void Repeat_Click();
    void Lesson_Select_Click();
    void T_KeyPress(int keyAscii);
    void T_KeyUp(int keyCode, int shift);
    void Timer1_Timer();
    void PushScoreHistory();
    void ShowTitleAndProgress();
    void FillMilestones();
    void LeaveResults();
    void TEN_UpDate();
    void ClearKeyGuide();
    void StripLineBreaks();
    void LineKeyPress(int keyAscii);
    void StartLineRun();
    void NextLine();
    void FinishLineRun();
    // The guided and keypad runs judge one key at a time and share their steps;
    // they differ in how they start and in the guide they mark.
    void GuidedKeyPress(int keyAscii);
    void StartGuidedRun();
    void TenKeyPress(int keyAscii);
    void StartTenKeyRun();
    void NextCharLine();
    void FinishCharRun();
    // Kana lessons typed key by key in romaji: the line ends by itself with its last kana.
    void RomajiKeyPress(int keyAscii);
    bool MakeNumberLesson();
    void ShuffleLines();
    virtual void SetTenKeyLayout() = 0;
    virtual void ShowResults() = 0;

    QString lessonLine(int oneBased) const { return LessonLines.value(oneBased - 1); }
    lesson::Kind lessonKind() const;

    static inline const QString kStartPrompt =
        QStringLiteral("このラインに入力してください。\rＥnterを押すとスタートします。");
    static inline const QString kLinePlaceholder =
        QStringLiteral("このラインにテキストが表示されます。");

protected:
    // Lays out the keyboard, keypad and hands with the keyboard's top left corner.
    void layOutKeyboard(int left, int top, int keypadLeft);
    // A cover, if given, goes over the keyboard and under the keypad.
    void addEngineControls(Control* keyboardCover = nullptr);
    void readyPrompt(Control& key, Control& finger, Control* second, Control* secondFinger);
    // The shared part of the results: count, grade, score, best score, experience.
    void scoreRun();
    void stopClock();
    // What the window does after a finish step has shown the results.
    virtual void afterResults() {}
    // The milestone step of leaving the results.
    virtual void milestone(int reached) = 0;
    void showMoleGame();
    // The window-specific part of loading, before the lines are read.
    virtual void loadLayout() {}
    virtual void showPupil() {}
    virtual void hideResultsPanel() {}
    // Where the input box goes for a line run (and shows the start prompt), and
    // where it waits out of the way during key-by-key runs and the results.
    virtual Twips lineInputGeometry() const = 0;
    virtual Twips keyInputGeometry() const = 0;
    virtual bool hasMockLayout() const = 0;
    bool isMockLesson() const;
    // The line, echo and input box sizes: the mock tests' smaller ones or the usual.
    void setLineLayout(double fontSize, int height, int lineTop, int inputTop);
    void showCounters();
    // Key guide of the guided runs: key, finger and Shift of a character.
    void markGuide(const QString& c, bool on);
    QString displayForm(const QString& text) const;

private:
    bool loadLines();
    void failLoad(const QString& what);
    void markTenKey(const QString& c, bool on);
    bool keypadRun() const { return lessonKind() == lesson::Numbers; }
    bool romajiRun() const;
    void beginRomajiLine();
    void showRomajiGuide();
    std::optional<RomajiJudge> romaji;
    // The shared steps of the key-by-key runs.
    void charKeyPress(int keyAscii, int typed);
    void judgeChar(int typed);
    void beginCharRun();
    void beginCharLine();
    void markChar(const QString& c, bool on);
    void markLineEnd(bool on);
    // Gives the line labels back their place after a keypad run's results.
    void afterTenKeyResults();
    void resetForRepeat();
};
