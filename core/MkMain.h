#pragma once

#include "core/FileCopy.h"
#include "core/Media.h"
#include "core/Ports.h"
#include "core/ScoreTable.h"
#include "core/WindowRegistry.h"

#include <QString>
#include <array>

// The ports the running program talks through.
struct Ports {
    MessagePort& messages;
    Clock& clock;
    RandomSource& random;
    BeepPort& beep;
    MediaFactory& media;
    PrintPort& printer;
    CopyFeedback& copies;
};

// The one shared state of the running program: every window reads and writes
// it directly. It lives for the whole run and is passed by reference.
class MkMain {
public:
    static constexpr int kCatalogueSize = 1001;
    static constexpr int kKeyCodes = 127;
    static constexpr float kLessonPackVersion = 2.2f;
    static constexpr qint16 True = -1;
    static constexpr qint16 False = 0;

    MkMain(Ports ports, QString programFolder);

    Ports ports;
    WindowRegistry windows{*this};
    // The folder of the executable, with a trailing separator.
    const QString programFolder;
    // Where the history file goes when its own folder cannot be written: the
    // user's documents folder, with a trailing separator.
    QString EmergencyFolder;

    // Folders, each ending with "/".
    QString DefaultDataFolder;
    QString DefaultLessonFolder;
    QString DataFolder;
    QString LessonFolder;

    // The pupil of this run.
    QString UserName;
    QString UserID;
    QString UserPassword;
    // The history file read at log-on, or the one a new pupil's history will
    // be created as; the visit is written back here and nowhere else.
    QString HistoryPath;
    quint8 Grade = 0;
    quint8 ClassNo = 0;
    quint8 PupilNo = 0;
    ScoreTable ScoreHistory;

    // The lesson catalogue.
    std::array<QString, kCatalogueSize> LessonTitle;
    std::array<QString, kCatalogueSize> LessonFile;
    std::array<QString, kCatalogueSize> LessonFile2;
    std::array<quint8, kCatalogueSize> LessonKind{};
    std::array<float, kCatalogueSize> LessonFactor{};
    qint16 LastLessonIndex = 0;
    qint16 CurrentLesson = 0;

    // Key definitions per character code 0..126.
    std::array<quint8, kKeyCodes> KeyLabelIndex{};
    std::array<quint8, kKeyCodes> KeyFinger{};
    std::array<quint8, kKeyCodes> KeyShift{};

    QString MessageText;
    qint16 AdminLocked = False;
    qint16 UseLargeWindow = False;
    // Kana lessons typed key by key in romaji instead of through the input
    // method; chosen in the menu and kept only while the program runs.
    bool RomajiInput = false;
    quint8 NumLockShown = 0;
    qint16 GameFromRepeat = 0;
    float LessonPackVersion = 0.0f;

    // Shows MessageText: mode 0 an OK box, any other mode a Yes/No box.
    MessageAnswer ShowMessage(qint16 mode);
    // Sets MessageText and shows it with OK.
    void ShowMessageText(const QString& text);
};
