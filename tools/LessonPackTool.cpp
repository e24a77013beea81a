// Makes the delivered lesson files from their UTF-8 sources:
//
//   mk_lessonpack pack OUTPUT FILE...  the lesson pack of the files, each named
//                                      by its file name in the lesson folder
//   mk_lessonpack text INPUT OUTPUT    one text file in CP932 with CR LF line ends
//
// Text that CP932 cannot hold is refused and nothing is written, so a lesson
// never reaches a pupil with characters silently replaced.

#include "core/Cp932.h"
#include "core/ItemText.h"
#include "core/LessonPack.h"
#include "core/Result.h"
#include "core/WholeFile.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cstdio>
#include <set>

namespace {

// The pack header counts lines in a 16-bit integer.
constexpr qsizetype kMaxPackedLines = 32767;

int refuse(const QString& message) {
    std::fprintf(stderr, "mk_lessonpack: %s\n", qPrintable(message));
    return 1;
}

Result<QString> readUtf8(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error{path + QStringLiteral(": ") + file.errorString()};
    QStringDecoder utf8(QStringDecoder::Utf8); // drops a leading byte order mark
    const QString text = utf8.decode(file.readAll());
    if (utf8.hasError()) return Error{path + QStringLiteral(": not UTF-8 text")};
    return text;
}

// Lines without their line ends (CR LF, LF or CR); a final line end starts no
// further line, but blank lines inside the text are kept.
QStringList splitLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    if (text.isEmpty()) return {};
    if (text.endsWith(u'\n')) text.chop(1);
    return text.split(u'\n');
}

// Names the first character that has no CP932 code, with its line.
Status checkEncodable(const QString& path, const QStringList& lines) {
    for (qsizetype n = 0; n < lines.size(); ++n) {
        if (cp932::represents(lines[n])) continue;
        QString culprit = lines[n];
        for (const char32_t c : lines[n].toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            if (!cp932::represents(one)) {
                const QString code = QString::number(uint(c), 16).toUpper();
                culprit = QStringLiteral("U+%1 \"%2\"").arg(code.rightJustified(4, u'0'), one);
                break;
            }
        }
        return Error{QStringLiteral("%1:%2: %3 cannot be written in CP932")
                         .arg(path)
                         .arg(n + 1)
                         .arg(culprit)};
    }
    return Ok{};
}

Result<QStringList> readLines(const QString& path) {
    auto text = readUtf8(path);
    if (!text) return text.error();
    QStringList lines = splitLines(text.value());
    if (auto encodable = checkEncodable(path, lines); !encodable) return encodable.error();
    return lines;
}

int writeWhole(const QString& path, const QByteArray& bytes) {
    const Status written = wholefile::write(path, bytes);
    if (!written) return refuse(path + QStringLiteral(": ") + written.error().message);
    return 0;
}

int pack(const QString& output, const QStringList& inputs) {
    if (inputs.size() > kMaxPackedFiles)
        return refuse(QStringLiteral("more than %1 files").arg(kMaxPackedFiles));
    std::vector<PackedFile> files;
    std::set<QString> names; // lesson folders may lie on a case-blind file system
    for (const QString& path : inputs) {
        const QString name = QFileInfo(path).fileName();
        if (!names.insert(name.toLower()).second)
            return refuse(path + QStringLiteral(": a second file named ") + name);
        // The name is a quoted item of the header.
        if (name.contains(u'"') || !cp932::represents(name))
            return refuse(path + QStringLiteral(": the name cannot stand in the pack"));
        auto lines = readLines(path);
        if (!lines) return refuse(lines.error().message);
        if (lines.value().size() > kMaxPackedLines)
            return refuse(path + QStringLiteral(": more than %1 lines").arg(kMaxPackedLines));
        files.push_back(PackedFile{name, std::move(lines).value()});
    }
    return writeWhole(output, writeLessonPack(files));
}

int convert(const QString& input, const QString& output) {
    const auto lines = readLines(input);
    if (!lines) return refuse(lines.error().message);
    ItemWriter w;
    for (const QString& line : lines.value())
        w.line(line);
    return writeWhole(output, w.toCp932());
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    if (args.size() >= 2 && args[0] == u"pack") return pack(args[1], args.mid(2));
    if (args.size() == 3 && args[0] == u"text") return convert(args[1], args[2]);
    return refuse(QStringLiteral("usage: mk_lessonpack pack OUTPUT FILE...\n"
                                 "       mk_lessonpack text INPUT OUTPUT"));
}
