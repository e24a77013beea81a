// What music costs the program, side by side with a bare Qt window measured in
// the same run: the resident memory at the start-up window and at the lesson
// menu, the time from the start-up window's map to its first paint (each the
// median of three starts), and the longest stall of the window thread in the
// menu's first three seconds, while its music starts.
//
// How: the real `marokey` from the build folder runs on a copy of that folder,
// under the xcb platform on a virtual display (the tool starts itself under
// xvfb-run when there is no $DISPLAY), with SDL's disk audio driver writing to
// /dev/null, so the music is really decoded and mixed as on a computer with
// sound. The program is not changed for it: an X client of our own sees each
// window map, takes its first drawing from the Damage extension, and pings the
// program's newest window with _NET_WM_PING, which Qt answers from the window
// thread's event loop; the slowest answer is the longest stall. RSS comes from
// /proc. The way to the menu is a new pupil's log-on, typed with xdotool.
// The menu's restart of its piece every 73 s is not waited for: it is a rewind
// handed to the sound thread. `--scores` adds a run with the rendered .ogg
// files removed, so the pieces play from their scores through FluidSynth.
// Takes about 35 s (55 s with --scores). Figures are printed, never asserted.
#include "bench/XWatch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <optional>
#include <vector>

using namespace std::chrono_literals;
using Clock = XWatch::Clock;

namespace {

struct Figures {
    double startRss = 0, menuRss = 0; // MiB
    double firstPaint = -1;           // ms from map; -1 when not seen
    double menuStall = -1;            // ms
};

double rssMiB(qint64 pid) {
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    return 0;
}

double ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void pause(std::chrono::milliseconds d) {
    QThread::msleep(d.count());
}

void xdotool(const QStringList& args, std::chrono::milliseconds after = 300ms) {
    QProcess::execute(QStringLiteral("xdotool"), args);
    pause(after);
}

void key(const QString& k) {
    xdotool({u"key"_qs, u"--delay"_qs, u"60"_qs, k});
}

void type(const QString& text) {
    xdotool({u"type"_qs, u"--delay"_qs, u"40"_qs, text}, 200ms);
}

// A message box takes the keyboard when it opens: Enter answers OK or Yes.
void answer() {
    pause(500ms);
    key(u"Return"_qs);
}

void focus(const XWatch::Window& w) {
    xdotool({u"windowfocus"_qs, QString::number(w.id)}, 100ms);
}

class Program {
public:
    Program(const QString& path, const QStringList& env) {
        QProcessEnvironment e = QProcessEnvironment::systemEnvironment();
        e.remove(u"QT_QPA_PLATFORM"_qs);
        e.insert(u"SDL_AUDIODRIVER"_qs, u"disk"_qs);
        e.insert(u"SDL_DISKAUDIOFILE"_qs, u"/dev/null"_qs);
        for (const QString& pair : env)
            e.insert(pair.section(u'=', 0, 0), pair.section(u'=', 1));
        process_.setProcessEnvironment(e);
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(path, {});
        process_.waitForStarted();
    }
    ~Program() {
        process_.kill();
        process_.waitForFinished();
    }
    qint64 pid() const { return process_.processId(); }

private:
    QProcess process_;
};

std::optional<XWatch::Window> need(std::optional<XWatch::Window> w, const char* what) {
    if (!w) std::fprintf(stderr, "no %s window\n", what);
    return w;
}

template <class T> T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Starts the program three times to its first window: the median paint time
// and RSS two seconds after the map (its music playing by then).
void measureStart(XWatch& watch, const QString& program, const QString& title, Figures& f) {
    std::vector<double> paints, rss;
    for (int i = 0; i < 3; ++i) {
        Program p(program, {});
        watch.follow(p.pid());
        const auto w = need(watch.waitMapped(title, 10s), "first");
        if (!w) return;
        const auto paint = watch.waitFirstPaint(w->id, 2s);
        paints.push_back(paint ? ms(*paint) : -1);
        pause(2s);
        rss.push_back(rssMiB(p.pid()));
    }
    f.firstPaint = median(paints);
    f.startRss = median(rss);
}

Figures measureBare(XWatch& watch, const QString& bare) {
    Figures f;
    measureStart(watch, bare, {}, f);
    Program p(bare, {});
    watch.follow(p.pid());
    const auto w = need(watch.waitMapped({}, 10s), "bare");
    if (!w) return f;
    pause(3s);
    f.menuRss = rssMiB(p.pid());
    f.menuStall = ms(watch.longestStall(w->mapped, w->mapped + 3s));
    return f;
}

// A copy of the program folder whose lessons are already unpacked, so the
// measured start is an everyday one.
void prepare(XWatch& watch, const QString& folder) {
    Program p(folder + u"/marokey"_qs, {});
    watch.follow(p.pid());
    for (int i = 0; i < 20 && !watch.waitMapped(u"Marokey"_qs, 500ms); ++i)
        key(u"Return"_qs); // the first start's notice
}

void logOnAsNewPupil(XWatch& watch) {
    const auto logon = need(watch.waitMapped(u"MK LogOn"_qs, 10s), "log-on");
    if (!logon) return;
    focus(*logon);
    type(u"visitor"_qs), key(u"Return"_qs), type(u"secret"_qs), key(u"Return"_qs);
    key(u"Return"_qs); // OK
    answer();          // the data are right: Yes
    answer();          // a new history file
    const auto setup = need(watch.waitMapped(u"ＭＫ SetUp"_qs, 10s), "profile");
    if (!setup) return;
    focus(*setup);
    for (const QString& field : {u"3"_qs, u"2"_qs, u"15"_qs, u"Visitor"_qs})
        type(field), key(u"Return"_qs);
    key(u"Return"_qs); // OK
    answer();          // Yes
}

Figures measureProgram(XWatch& watch, const QString& program, bool scoresOnly) {
    Figures f;
    QTemporaryDir dir;
    const QString from = QFileInfo(program).absolutePath(), to = dir.path();
    QProcess::execute(u"cp"_qs,
                      {u"-r"_qs, program, from + u"/MKData"_qs, from + u"/MKLesson"_qs, to});
    if (scoresOnly)
        for (const QString& ogg : QDir(to + u"/MKData"_qs).entryList({u"*.ogg"_qs}))
            QFile::remove(to + u"/MKData/"_qs + ogg);
    prepare(watch, to);

    measureStart(watch, to + u"/marokey"_qs, u"Marokey"_qs, f);
    Program p(to + u"/marokey"_qs, {});
    watch.follow(p.pid());
    logOnAsNewPupil(watch);
    const auto menu = need(watch.waitMapped(u"Lesson Select Menu"_qs, 10s), "menu");
    if (!menu) return f;
    pause(3s);
    f.menuRss = rssMiB(p.pid());
    f.menuStall = ms(watch.longestStall(menu->mapped, menu->mapped + 3s));
    return f;
}

void print(const char* what, const Figures& f, const Figures& bare) {
    std::printf("%-38s %7.1f %7.1f %6.2fx %10.1f %10.1f\n", what, f.startRss, f.menuRss,
                bare.menuRss > 0 ? f.menuRss / bare.menuRss : 0.0, f.firstPaint, f.menuStall);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        QStringList args = {u"-a"_qs, u"-s"_qs, u"-screen 0 1280x1024x24"_qs};
        for (int i = 0; i < argc; ++i)
            args << QString::fromLocal8Bit(argv[i]);
        return QProcess::execute(u"xvfb-run"_qs, args);
    }
    QCoreApplication app(argc, argv);
    const bool scores = app.arguments().contains(u"--scores"_qs);
    XWatch watch;
    const QString here = QCoreApplication::applicationDirPath();
    const Figures bare = measureBare(watch, here + u"/mk_bare_window"_qs);
    const Figures rendered = measureProgram(watch, QStringLiteral(MK_PROGRAM), false);
    std::printf("%-38s %7s %7s %7s %10s %10s\n", "", "RSS", "RSS", "menu/", "map to", "longest");
    std::printf("%-38s %7s %7s %7s %10s %10s\n", "", "start", "menu", "bare", "paint ms",
                "stall ms");
    print("bare Qt window", bare, bare);
    print("marokey, rendered music", rendered, bare);
    if (scores)
        print("marokey, scores through FluidSynth",
              measureProgram(watch, QStringLiteral(MK_PROGRAM), true), bare);
    std::printf("goals: menu RSS <= 1.4x bare; paint within 10 ms of map; no stall over 10 ms\n");
    return 0;
}
