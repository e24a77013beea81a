#include "support/ScriptedPorts.h"

MessageAnswer ScriptedMessages::show(const QString& text, MessageButtons b) {
    shown << text;
    buttons.push_back(b);
    if (b == MessageButtons::Ok) return MessageAnswer::Ok;
    if (answers_.empty()) return MessageAnswer::Yes;
    const MessageAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

double FakeRandom::next() {
    if (values.empty()) return 0.0;
    const double v = values[at % values.size()];
    ++at;
    return v;
}

TestProgram::TestProgram(const QString& programFolder)
    : mk(Ports{messages, clock, random, beep}, programFolder) {}
