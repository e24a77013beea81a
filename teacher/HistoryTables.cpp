#include "teacher/HistoryTables.h"

#include "core/Cp932.h"
#include "core/FileNames.h"
#include "core/WholeFile.h"
#include "logon/HistoryFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <map>
#include <utility>

namespace historytables {

namespace {

constexpr int kTableLessons = 1000; // lesson 1000 and slot 100 stay out of the table
constexpr int kTableSlots = 100;
constexpr int kFieldBytes = 30;

const QByteArray kCrLf = QByteArrayLiteral("\r\n");

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString trimmedName(const QString& field) {
    qsizetype end = field.size();
    while (end > 0 && field[end - 1] == u' ')
        --end;
    return field.left(end);
}

QByteArray quoted(const QString& text) {
    return '"' + cp932::encode(text) + '"';
}

// "n," for every value a score byte can hold. Four bytes are always copied
// and only size of them counted, so a cell is one fixed-size copy.
struct ScoreCell {
    char text[4];
    int size;
};

const std::array<ScoreCell, 256>& scoreCells() {
    static const auto cells = [] {
        std::array<ScoreCell, 256> c{};
        for (int i = 0; i < 256; ++i) {
            const QByteArray text = QByteArray::number(i) + ',';
            std::memcpy(c[i].text, text.constData(), size_t(text.size()));
            c[i].size = int(text.size());
        }
        return c;
    }();
    return cells;
}

constexpr int kMaxCell = 4;

QByteArray firstLine(const Pupil& p) {
    QByteArray line = QByteArray::number(p.grade) + ',' + quoted(QStringLiteral("年")) + ',' +
                      QByteArray::number(p.classNo) + ',' + quoted(QStringLiteral("組")) + ',' +
                      QByteArray::number(p.pupilNo) + ',' + quoted(QStringLiteral("番")) + ',' +
                      quoted(QStringLiteral("氏名")) + ',' + quoted(trimmedName(p.nameField));
    return line + kCrLf;
}

QByteArray headerLine() {
    QByteArray line = ",";
    for (int n = 1; n <= kTableSlots; ++n)
        line += quoted(QString::number(n) + QStringLiteral("回前")) + ',';
    return line + kCrLf;
}

// The quoted titles with their commas, encoded once for a whole collection.
using TitleCells = std::vector<QByteArray>;

TitleCells titleCells(const Titles& titles) {
    TitleCells cells;
    cells.reserve(kTableLessons);
    for (int lesson = 0; lesson < kTableLessons; ++lesson)
        cells.push_back(quoted(titles[lesson]) + ',');
    return cells;
}

// A table is 100,000 cells: they go straight into a buffer sized for the
// longest cells rather than being appended one by one.
char* putScores(char* at, const ScoreTable& scores, int lesson) {
    const auto& cells = scoreCells();
    const quint8* column = scores.bytes().data() + lesson;
    for (int slot = 0; slot < kTableSlots; ++slot) {
        const ScoreCell& cell = cells[column[slot * ScoreTable::kLessons]];
        std::memcpy(at, cell.text, kMaxCell);
        at += cell.size;
    }
    return at;
}

QByteArray tableOf(const Pupil& p, const TitleCells& titles) {
    static const QByteArray header = headerLine();
    QByteArray out = firstLine(p) + kCrLf + header;
    const qsizetype used = out.size();
    qsizetype room = used;
    for (const QByteArray& title : titles)
        room += title.size() + kTableSlots * kMaxCell + kCrLf.size();
    out.resize(room);
    char* at = out.data() + used;
    for (int lesson = 0; lesson < kTableLessons; ++lesson) {
        std::memcpy(at, titles[lesson].constData(), size_t(titles[lesson].size()));
        at = putScores(at + titles[lesson].size(), p.scores, lesson);
        *at++ = '\r';
        *at++ = '\n';
    }
    out.truncate(at - out.constData());
    return out;
}

QString replaceQuestion(const QString& fileName) {
    return fileName +
           QStringLiteral("\rと同名のファイルが存在します。\r上書きしてよろしいですか？");
}

} // namespace

std::optional<Pupil> readPupil(const QString& historyPath) {
    QFile file(historyPath);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = file.read(HistoryRecord::kSize);
    if (bytes.size() < HistoryRecord::kSize) return std::nullopt;
    Pupil p;
    std::copy_n(reinterpret_cast<const quint8*>(bytes.constData()), ScoreTable::kBytes,
                p.scores.bytes().begin());
    p.nameField = cp932::decode(bytes.mid(HistoryRecord::kNameOffset, kFieldBytes));
    p.grade = quint8(bytes[HistoryRecord::kGradeOffset]);
    p.classNo = quint8(bytes[HistoryRecord::kGradeOffset + 1]);
    p.pupilNo = quint8(bytes[HistoryRecord::kGradeOffset + 2]);
    p.sourceFile = QFileInfo(historyPath).fileName();
    return p;
}

std::optional<QString> tableName(const Pupil& p) {
    // The name goes into the file name as stored, so one refused character
    // refuses the whole table rather than writing it somewhere else.
    const QString base = QString::number(p.grade) + QStringLiteral("年") + twoDigits(p.classNo) +
                         QStringLiteral("組") + twoDigits(p.pupilNo) + QStringLiteral("番　") +
                         trimmedName(p.nameField);
    const QString suffix = QStringLiteral(".csv");
    if (filenames::problem(base, suffix)) return std::nullopt;
    return base + suffix;
}

QByteArray table(const Pupil& p, const Titles& titles) {
    return tableOf(p, titleCells(titles));
}

namespace {

constexpr int kAllLessons = ScoreTable::kLessons;

// What the overview keeps of a pupil: a 4 kB row instead of the 100 kB table.
struct ClassRow {
    quint8 grade = 0;
    quint8 classNo = 0;
    quint8 pupilNo = 0;
    QString name;
    std::array<int, kAllLessons> experience{};
};

ClassRow classRow(const Pupil& p) {
    ClassRow row{p.grade, p.classNo, p.pupilNo, trimmedName(p.nameField), {}};
    const quint8* bytes = p.scores.bytes().data();
    for (int slot = 0; slot < kTableSlots; ++slot)
        for (int lesson = 0; lesson < kAllLessons; ++lesson)
            row.experience[lesson] += bytes[ScoreTable::offset(lesson, slot)];
    return row;
}

// The overview is read by people in a spreadsheet, so its texts are quoted
// the way spreadsheets expect, doubled quotes included.
QByteArray cell(const QString& text) {
    QByteArray bytes = cp932::encode(text);
    bytes.replace('"', "\"\"");
    return '"' + bytes + '"';
}

std::vector<int> lessonsTried(const std::vector<ClassRow>& rows) {
    std::vector<int> lessons;
    for (int lesson = 0; lesson < kAllLessons; ++lesson)
        if (std::any_of(rows.begin(), rows.end(),
                        [&](const ClassRow& r) { return r.experience[lesson] > 0; }))
            lessons.push_back(lesson);
    return lessons;
}

QString columnTitle(const Titles& titles, int lesson) {
    // A score without a catalogue lesson still gets a heading to read.
    return titles[lesson].isEmpty() ? QStringLiteral("(%1)").arg(lesson) : titles[lesson];
}

QByteArray overviewHeader(const std::vector<int>& lessons, const Titles& titles) {
    QByteArray line = cell(QStringLiteral("番号")) + ',' + cell(QStringLiteral("氏名")) + ',' +
                      cell(QStringLiteral("総経験値")) + ',' +
                      cell(QStringLiteral("練習したLesson数"));
    for (int lesson : lessons)
        line += ',' + cell(columnTitle(titles, lesson));
    return line + kCrLf;
}

QByteArray overviewLine(const ClassRow& row, const std::vector<int>& lessons) {
    int total = 0;
    int tried = 0;
    for (int e : row.experience) {
        total += e;
        tried += e > 0 ? 1 : 0;
    }
    QByteArray line = QByteArray::number(row.pupilNo) + ',' + cell(row.name) + ',' +
                      QByteArray::number(total) + ',' + QByteArray::number(tried);
    for (int lesson : lessons)
        line += ',' + QByteArray::number(row.experience[lesson]);
    return line + kCrLf;
}

QByteArray overviewOf(std::vector<ClassRow> rows, const Titles& titles) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const ClassRow& a, const ClassRow& b) { return a.pupilNo < b.pupilNo; });
    const std::vector<int> lessons = lessonsTried(rows);
    QByteArray out = overviewHeader(lessons, titles);
    for (const ClassRow& row : rows)
        out += overviewLine(row, lessons);
    return out;
}

} // namespace

QString overviewName(quint8 grade, quint8 classNo) {
    return QString::number(grade) + QStringLiteral("年") + twoDigits(classNo) +
           QStringLiteral("組　一覧.csv");
}

QByteArray overview(const std::vector<Pupil>& classPupils, const Titles& titles) {
    std::vector<ClassRow> rows;
    rows.reserve(classPupils.size());
    for (const Pupil& p : classPupils)
        rows.push_back(classRow(p));
    return overviewOf(std::move(rows), titles);
}

namespace {

using Ask = std::function<bool(const QString&)>;

QStringList historyFiles(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.mkd")}, QDir::Files, QDir::Name);
}

// Asks before an existing file is replaced; bytes are made only when needed.
void writeAsked(const QString& folder, wholefile::Batch& out, const QString& name,
                const std::function<QByteArray()>& bytes, const Ask& askReplace, Report& report) {
    const QString path = QDir(folder).filePath(name);
    const QFileInfo existing(path);
    if ((existing.exists() || existing.isSymLink()) &&
        !(askReplace && askReplace(replaceQuestion(name)))) {
        ++report.declined;
        return;
    }
    const Status written = out.writeInside(path, bytes());
    if (written)
        ++report.written;
    else
        report.failures << name + QStringLiteral("：書き込めませんでした（") +
                               written.error().message + QStringLiteral("）");
}

void convertOne(const QString& folder, wholefile::Batch& out, const Pupil& p,
                const TitleCells& titles, const Ask& askReplace, Report& report) {
    const std::optional<QString> name = tableName(p);
    if (!name) {
        report.failures << p.sourceFile + QStringLiteral("：氏名「") + trimmedName(p.nameField) +
                               QStringLiteral("」はファイル名に使えないため、表を作りませんでした");
        return;
    }
    writeAsked(
        folder, out, *name, [&] { return tableOf(p, titles); }, askReplace, report);
}

using ClassKey = std::pair<int, int>; // grade, class

void writeOverviews(const QString& folder, wholefile::Batch& out,
                    std::map<ClassKey, std::vector<ClassRow>> classes, const Titles& titles,
                    const Ask& askReplace, Report& report) {
    for (auto& [key, rows] : classes) {
        const QString name = overviewName(quint8(key.first), quint8(key.second));
        writeAsked(
            folder, out, name, [&] { return overviewOf(std::move(rows), titles); }, askReplace,
            report);
    }
}

} // namespace

Report convertCollection(const QString& collectionFolder, const Titles& titles,
                         const Ask& askReplace,
                         const std::function<void(int done, int total)>& progress) {
    Report report;
    wholefile::Batch out(collectionFolder);
    const QStringList files = historyFiles(collectionFolder);
    const int total = int(files.size());
    const TitleCells cells = titleCells(titles);
    std::map<ClassKey, std::vector<ClassRow>> classes;
    for (int i = 0; i < total; ++i) {
        if (progress) progress(i, total);
        const std::optional<Pupil> pupil = readPupil(QDir(collectionFolder).filePath(files[i]));
        if (!pupil) {
            report.failures << files[i] +
                                   QStringLiteral("：個人履歴ファイルとして読めませんでした");
            continue;
        }
        convertOne(collectionFolder, out, *pupil, cells, askReplace, report);
        classes[{pupil->grade, pupil->classNo}].push_back(classRow(*pupil));
    }
    writeOverviews(collectionFolder, out, std::move(classes), titles, askReplace, report);
    if (progress) progress(total, total);
    return report;
}

} // namespace historytables
