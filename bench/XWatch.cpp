#include "bench/XWatch.h"

#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <xcb/damage.h>

using namespace std::chrono_literals;

XWatch::XWatch() {
    conn_ = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(conn_)) throw std::runtime_error("no X display");
    root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
    if (!damage || !damage->present) throw std::runtime_error("no Damage extension");
    damageEvent_ = damage->first_event;
    free(xcb_damage_query_version_reply(conn_, xcb_damage_query_version(conn_, 1, 1), nullptr));
    protocols_ = atom("WM_PROTOCOLS");
    ping_ = atom("_NET_WM_PING");
    pid_ = atom("_NET_WM_PID");
    netName_ = atom("_NET_WM_NAME");
    utf8_ = atom("UTF8_STRING");
    // Qt answers a ping to the root window for those selecting its structure.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(conn_);
    thread_ = std::thread([this] { run(); });
}

XWatch::~XWatch() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    thread_.join();
    xcb_disconnect(conn_);
}

xcb_atom_t XWatch::atom(const char* name) {
    auto* r = xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, uint16_t(strlen(name)), name),
                                    nullptr);
    const xcb_atom_t a = r ? r->atom : 0;
    free(r);
    return a;
}

void XWatch::follow(qint64 pid) {
    std::lock_guard lock(mutex_);
    followed_ = pid;
    windows_.clear();
    mapped_.clear();
    pings_.clear();
    inFlight_.reset();
}

void XWatch::run() {
    pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
        }
        poll(&fd, 1, 1);
        while (xcb_generic_event_t* e = xcb_poll_for_event(conn_)) {
            handle(e);
            free(e);
        }
        sendPing();
        xcb_flush(conn_);
    }
}

void XWatch::handle(xcb_generic_event_t* e) {
    const auto now = Clock::now();
    const uint8_t type = e->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        onCreate(reinterpret_cast<xcb_create_notify_event_t*>(e)->window);
    } else if (type == XCB_MAP_NOTIFY) {
        onMap(reinterpret_cast<xcb_map_notify_event_t*>(e)->window);
    } else if (type == XCB_UNMAP_NOTIFY || type == XCB_DESTROY_NOTIFY) {
        onUnmap(reinterpret_cast<xcb_unmap_notify_event_t*>(e)->window);
    } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY) {
        const auto* d = reinterpret_cast<xcb_damage_notify_event_t*>(e);
        std::lock_guard lock(mutex_);
        for (Window& w : windows_)
            if (w.id == d->drawable && !w.firstPaint) w.firstPaint = now;
        changed_.notify_all();
    } else if (type == XCB_CLIENT_MESSAGE) {
        const auto* m = reinterpret_cast<xcb_client_message_event_t*>(e);
        if (m->type != protocols_ || m->data.data32[0] != ping_) return;
        std::lock_guard lock(mutex_);
        const auto p = pings_.find(m->data.data32[1]);
        if (p != pings_.end() && !p->second.took) p->second.took = now - p->second.sent;
        if (inFlight_ == m->data.data32[1]) {
            inFlight_.reset();
            nextPing_ = now + 2ms;
        }
    }
}

// Every new top-level window gets a damage watch before it can be drawn on.
void XWatch::onCreate(xcb_window_t w) {
    xcb_damage_create(conn_, xcb_generate_id(conn_), w, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
}

void XWatch::onMap(xcb_window_t w) {
    const auto now = Clock::now();
    const qint64 pid = pidOf(w);
    const QString title = titleOf(w);
    std::lock_guard lock(mutex_);
    if (followed_ == 0 || pid != followed_) return;
    windows_.push_back({w, title, now, std::nullopt});
    for (Window& earlier : windows_) // a paint before this map is not this map's
        if (earlier.id == w && &earlier != &windows_.back()) earlier.firstPaint.reset();
    std::erase(mapped_, w);
    mapped_.push_back(w);
    abandonInFlight(); // the newest window is pinged from now on
    changed_.notify_all();
}

void XWatch::onUnmap(xcb_window_t w) {
    std::lock_guard lock(mutex_);
    if (!mapped_.empty() && mapped_.back() == w) abandonInFlight();
    std::erase(mapped_, w);
}

void XWatch::abandonInFlight() {
    if (inFlight_) pings_[*inFlight_].abandoned = true;
    inFlight_.reset();
}

void XWatch::sendPing() {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    if (mapped_.empty() || inFlight_ || now < nextPing_) return;
    xcb_client_message_event_t m{};
    m.response_type = XCB_CLIENT_MESSAGE;
    m.format = 32;
    m.window = mapped_.back();
    m.type = protocols_;
    m.data.data32[0] = ping_;
    m.data.data32[1] = ++serial_;
    m.data.data32[2] = mapped_.back();
    xcb_send_event(conn_, 0, m.window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<char*>(&m));
    pings_[serial_] = {now, std::nullopt};
    inFlight_ = serial_;
}

qint64 XWatch::pidOf(xcb_window_t w) {
    auto* r = xcb_get_property_reply(
        conn_, xcb_get_property(conn_, 0, w, pid_, XCB_ATOM_CARDINAL, 0, 1), nullptr);
    qint64 pid = 0;
    if (r && xcb_get_property_value_length(r) == 4)
        pid = *static_cast<uint32_t*>(xcb_get_property_value(r));
    free(r);
    return pid;
}

QString XWatch::titleOf(xcb_window_t w) {
    auto* r = xcb_get_property_reply(conn_, xcb_get_property(conn_, 0, w, netName_, utf8_, 0, 256),
                                     nullptr);
    QString title;
    if (r)
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(r)),
                                  xcb_get_property_value_length(r));
    free(r);
    return title;
}

std::optional<XWatch::Window> XWatch::waitMapped(const QString& title,
                                                 std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    std::optional<Window> found;
    changed_.wait_for(lock, timeout, [&] {
        for (const Window& w : windows_)
            if (title.isEmpty() || w.title == title) return found = w, true;
        return false;
    });
    return found;
}

std::optional<XWatch::Clock::duration> XWatch::waitFirstPaint(xcb_window_t id,
                                                              std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    std::optional<Clock::duration> took;
    changed_.wait_for(lock, timeout, [&] {
        for (const Window& w : windows_)
            if (w.id == id && w.firstPaint) return took = *w.firstPaint - w.mapped, true;
        return false;
    });
    return took;
}

XWatch::Clock::duration XWatch::longestStall(Clock::time_point from, Clock::time_point to) {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    Clock::duration longest{};
    for (const auto& [serial, p] : pings_)
        if (p.sent >= from && p.sent <= to && (p.took || !p.abandoned))
            longest = std::max(longest, p.took.value_or(now - p.sent));
    return longest;
}
