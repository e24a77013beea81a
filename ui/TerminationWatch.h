#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a shutting-down desktop, a closed
// terminal) into a call on the window thread, so the program ends through its
// own end operation instead of dying mid-write.
class TerminationWatch final : public QObject {
    Q_OBJECT
public:
    explicit TerminationWatch(std::function<void()> onRequest);
    ~TerminationWatch() override;

private:
    std::function<void()> onRequest_;
    QSocketNotifier* notifier_ = nullptr;
};
