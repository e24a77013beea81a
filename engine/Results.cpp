#include "engine/Results.h"

#include <QStringList>
#include <cmath>

namespace results {

qint16 tenMinuteCount(int totalChars, float factor, float elapsedSeconds) {
    // The factor as written in the catalogue ("2.4"), not its nearest single
    // (2.4000001), so that an exact multiple of characters gives an exact count.
    const double written = QString::number(factor, 'g', 7).toDouble();
    const double count = (totalChars / written) * (600.0 / elapsedSeconds);
    if (elapsedSeconds <= 0.0f || std::isnan(count) || count >= 32767.0) return 32767;
    if (count <= 0.0) return 0;
    return static_cast<qint16>(std::floor(count + 1e-9));
}

QString grade(qint16 count) {
    if (count >= 1500) return QStringLiteral("Oh! GOD!");
    if (count >= 1200) return QStringLiteral("Perfect!");
    if (count >= 1000) return QStringLiteral("検定OVER");
    if (count >= 700) return QStringLiteral("検定１級");
    if (count >= 450) return QStringLiteral("検定２級");
    if (count >= 300) return QStringLiteral("検定３級");
    if (count >= 200) return QStringLiteral("検定４級");
    return QStringLiteral("合格圏外");
}

qint16 score(qint16 count, int misses) {
    int s = count / 8;
    for (int m = 0; m < misses && s > 0; ++m)
        s = 4 * s / 5;
    return static_cast<qint16>(std::min(s, 100));
}

QString experienceText(int gained, int total, int count, const QString& level) {
    const QString n = QString::number(count);
    const QString x = QString::number(total);
    if (gained >= 1)
        return QString::number(gained) + u" の経験値を獲得し、総経験値は "_qs + x +
               u" になった！"_qs + u"\r\n"_qs + u"　10分間入力数は "_qs + n +
               u" 文字で、Level は "_qs + level + u" だった！"_qs;
    const QString second =
        u"　10分入力数は "_qs + n + u" 文字で、Level は "_qs + level + u" だった！"_qs;
    if (gained < 0)
        return QString::number(-gained) + u" の経験値を減らし、総経験値は "_qs + x +
               u" になった！"_qs + u"\r\n"_qs + second;
    return u" 経験値を獲得できず、経験値は "_qs + x + u" のままだ・・・"_qs + u"\r\n"_qs + second;
}

QString compactExperienceText(int gained, int total, int count) {
    const QString tail = u"経験値は"_qs + QString::number(total);
    const QString m10 = u"M10  :  "_qs + QString::number(count);
    if (gained >= 1)
        return QString::number(gained) + u"の経験値を獲得した！\r"_qs + tail + u"になった！\r"_qs +
               m10;
    if (gained < 0)
        return QString::number(-gained) + u"の経験値を減らした！\r"_qs + tail + u"になった！\r"_qs +
               m10;
    return u"経験値を獲得できなかった！\r"_qs + tail + u"のままだ・・・\r"_qs + m10;
}

QString panelText(const Summary& s) {
    const QStringList experience = s.experienceText.split(u"\r\n"_qs);
    const QString pupil = QString::number(s.grade) + u" 年 "_qs + QString::number(s.classNo) +
                          u" 組 "_qs + QString::number(s.pupilNo) + u" 番 "_qs + s.name;
    const QStringList lines = {
        u"　"_qs + s.title,
        u"　"_qs + pupil + u" は "_qs + u" Lessonを終了した。"_qs,
        QString(),
        u"　経過時間は "_qs + s.elapsedCaption + u" 秒で、ミスは "_qs + s.missCaption +
            u" 回あった！"_qs,
        u"　そして得点は "_qs + QString::number(s.score) + u" 点だった！"_qs,
        u"　"_qs + experience.value(0),
        experience.value(1),
        QString(),
        u"　印刷する場合は Print を押してください。"_qs,
        u"　Escを押すと終了します。"_qs,
    };
    return lines.join(u"\r\n"_qs);
}

QString printText(const Summary& s) {
    const QStringList entries = {
        u"　"_qs + QString::number(s.grade) + u" 年 "_qs + QString::number(s.classNo) + u" 組 "_qs +
            QString::number(s.pupilNo) + u" 番 "_qs + s.name,
        u"　タイトル　：　"_qs + s.title,
        u"　得　　点　：　"_qs + QString::number(s.score),
        u"　総経験値　：　"_qs + QString::number(s.totalExperience),
        u"　ミ　　ス　：　"_qs + s.missCaption,
        u"　10分入力　：　"_qs + QString::number(s.tenMinuteCount),
        u"　レ ベ ル　：　"_qs + s.level,
    };
    QStringList lines = {QString(), QString(), QString(), QString()};
    for (int i = 0; i < entries.size(); ++i) {
        lines << entries[i];
        if (i + 1 < entries.size()) lines << QString();
    }
    return lines.join(u"\r\n"_qs);
}

QString formatSeconds(double seconds) {
    return QString::number(seconds, 'f', 1);
}

} // namespace results
