#include "teacher/BinaryDelete.h"

#include <QFile>
#include <QHash>
#include <map>
#include <optional>

namespace binarydelete {
namespace {

constexpr qint64 kChunk = 1 << 16;
constexpr qint64 kHead = 4096;
using Group = std::vector<size_t>; // positions in the given order
using Hash = size_t;

// A fast hash of up to limit bytes: only a hint, every match is confirmed.
std::optional<Hash> hashOf(const QString& path, qint64 limit) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) return std::nullopt;
    Hash hash = 0;
    for (qint64 left = limit; left > 0 && !f.atEnd();) {
        const QByteArray chunk = f.read(qMin(left, kChunk));
        if (chunk.isEmpty()) return std::nullopt;
        hash = qHashBits(chunk.constData(), size_t(chunk.size()), hash);
        left -= chunk.size();
    }
    if (f.error() != QFileDevice::NoError) return std::nullopt;
    return hash;
}

// Two files of one size, chunk by chunk.
bool sameBytes(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly | QIODevice::Unbuffered) ||
        !fb.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    while (!fa.atEnd() || !fb.atEnd()) {
        const QByteArray ca = fa.read(kChunk), cb = fb.read(kChunk);
        if (ca != cb || ca.isEmpty()) return false;
    }
    return true;
}

class Finder {
public:
    Finder(const std::vector<Candidate>& files, const std::function<void()>& step)
        : files_(files), step_(step), removed_(files.size(), false) {}

    Plan run() {
        std::map<qint64, Group> bySize;
        for (size_t i = 0; i < files_.size(); ++i)
            bySize[files_[i].size].push_back(i);
        for (const auto& [size, group] : bySize)
            if (group.size() > 1) size == 0 ? keepLast(group) : splitByHash(group, kHead);
        for (size_t i = 0; i < files_.size(); ++i)
            if (removed_[i]) plan_.remove << files_[i].path;
        return plan_;
    }

private:
    void keepLast(const Group& identical) {
        for (size_t k = 0; k + 1 < identical.size(); ++k)
            removed_[identical[k]] = true;
    }

    // First by the head of each file, which tells most different files
    // apart; only files alike there are hashed whole.
    void splitByHash(const Group& alike, qint64 limit) {
        std::map<Hash, Group> byHash;
        for (size_t i : alike) {
            const auto hash = hashOf(files_[i].path, limit);
            if (step_ && limit == kHead) step_();
            if (hash)
                byHash[*hash].push_back(i);
            else
                plan_.unreadable << files_[i].path;
        }
        const qint64 size = files_[alike.front()].size;
        for (const auto& [hash, group] : byHash) {
            if (group.size() < 2) continue;
            if (limit >= size)
                confirm(group);
            else
                splitByHash(group, size);
        }
    }

    // A hash can be shared by different contents: sort into classes of files
    // equal byte for byte; each class keeps its last file.
    void confirm(const Group& sameHash) {
        std::vector<Group> classes;
        for (size_t i : sameHash) {
            Group* home = nullptr;
            for (Group& c : classes)
                if (!home && sameBytes(files_[c.front()].path, files_[i].path)) home = &c;
            if (home)
                home->push_back(i);
            else
                classes.push_back({i});
        }
        for (const Group& c : classes)
            keepLast(c);
    }

    const std::vector<Candidate>& files_;
    const std::function<void()>& step_;
    std::vector<bool> removed_;
    Plan plan_;
};

} // namespace

Plan duplicates(const std::vector<Candidate>& files, const std::function<void()>& step) {
    return Finder(files, step).run();
}

} // namespace binarydelete
