#pragma once

#include <QString>
#include <QtGlobal>
#include <array>
#include <span>

// The lesson window's information page: the pupil's progress in one lesson,
// made from the lesson's stored scores alone, so it works without a network.
namespace progress {

// Slot 0 is the newest score, slot 99 the oldest.
using Scores = std::array<quint8, 100>;

// How many slots have been tried: every slot from the oldest non-zero one to
// slot 0 (a run left through "Menu" stores 0 but was still tried).
int triedSlots(const Scores& scores);

// The tried scores, oldest first, as the chart draws them left to right.
QString chart(const Scores& scores);

// The first milestone above the total, or 0 when all are reached.
int nextMilestone(int totalExperience, std::span<const qint16> milestones);

// One line of encouragement, chosen by the trend of the recent scores.
QString encouragement(const Scores& scores);

// The whole page as lines of text.
QString pageText(const Scores& scores, std::span<const qint16> milestones);

} // namespace progress
