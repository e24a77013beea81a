#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

// Watches the X display from outside the measured program, on a thread of
// its own: when each top-level window maps, when it is first drawn on (the
// Damage extension), and how long the program's window thread takes to answer
// a _NET_WM_PING, which Qt answers from its event loop: a slow answer is a
// stall of that thread. One ping is in flight at a time, to the program's
// newest mapped window, a new one 2 ms after each answer.
class XWatch {
public:
    using Clock = std::chrono::steady_clock;
    struct Window {
        xcb_window_t id = 0;
        QString title;
        Clock::time_point mapped;
        std::optional<Clock::time_point> firstPaint;
    };

    XWatch(); // on $DISPLAY; throws if it cannot watch
    ~XWatch();
    XWatch(const XWatch&) = delete;
    XWatch& operator=(const XWatch&) = delete;

    // Watches the windows of this process only, and pings them.
    void follow(qint64 pid);
    // The first window of the followed process mapped with this title (any
    // title when empty), waiting up to `timeout` for it.
    std::optional<Window> waitMapped(const QString& title, std::chrono::milliseconds timeout);
    // Waits up to `timeout` for the window's first paint after its map.
    std::optional<Clock::duration> waitFirstPaint(xcb_window_t id,
                                                  std::chrono::milliseconds timeout);
    // The longest ping answer among pings sent in [from, to]; an unanswered
    // ping counts until now, unless its window was left for another.
    Clock::duration longestStall(Clock::time_point from, Clock::time_point to);

private:
    struct Ping {
        Clock::time_point sent;
        std::optional<Clock::duration> took;
        bool abandoned = false; // sent to a window since left for a newer one
    };
    void abandonInFlight();
    void run();
    void handle(xcb_generic_event_t* e);
    void onCreate(xcb_window_t w);
    void onMap(xcb_window_t w);
    void onUnmap(xcb_window_t w);
    void sendPing();
    qint64 pidOf(xcb_window_t w);
    QString titleOf(xcb_window_t w);
    xcb_atom_t atom(const char* name);

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
    xcb_atom_t protocols_ = 0, ping_ = 0, pid_ = 0, netName_ = 0, utf8_ = 0;

    std::mutex mutex_;
    std::condition_variable changed_;
    qint64 followed_ = 0;
    std::vector<Window> windows_;      // the followed process's, in order of mapping
    std::vector<xcb_window_t> mapped_; // still mapped, newest last
    std::map<uint32_t, Ping> pings_;   // by serial
    uint32_t serial_ = 0;
    std::optional<uint32_t> inFlight_;
    Clock::time_point nextPing_;
    bool stopping_ = false;
    std::thread thread_;
};
