#include "choices.h"

#include <QCoreApplication>
#include <algorithm>

namespace worksheet {

namespace {

/// Lower-case letters and digits, accents and everything else left out.
QString plain(const QString& text) {
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KD))
        if (c.unicode() < 128 && c.isLetterOrNumber()) out += c.toLower();
    return out;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

/// A level's name as the program writes it in the sources: "intermédio".
QString levelKey(practice::Level level) {
    const std::string_view name = practice::levelName(level);
    return QString::fromUtf8(name.data(), qsizetype(name.size()));
}

QString levelText(practice::Level level) {
    return QCoreApplication::translate("Practice", levelKey(level).toUtf8().constData());
}

std::optional<practice::Level> levelNamed(const QString& name) {
    // Brazil says "intermediário" where Portugal says "intermédio".
    const QString wanted = plain(name) == QLatin1String("intermediario")
                               ? plain(levelKey(practice::Level::Intermedio))
                               : plain(name);
    for (practice::Level level : practice::AllLevels)
        if (plain(levelKey(level)) == wanted) return level;
    return std::nullopt;
}

QString frameName(practice::FrameId frame) {
    return fromUtf8(frame.name());
}

QString frameCaption(practice::FrameId frame) {
    return QString::fromStdString(practice::caption(frame));
}

QString plainName(const QString& text) {
    QString out;
    for (QChar c : text.normalized(QString::NormalizationForm_KD))
        if (c.unicode() < 128 && (c.isLetterOrNumber() || c == u'-')) out += c.toLower();
    return out;
}

std::vector<practice::FrameId> framesWithoutLevel(const Choices& choices) {
    std::vector<practice::FrameId> out;
    for (const FrameCount& f : choices.frames)
        if (!practice::hasLevel(f.frame, choices.level)) out.push_back(f.frame);
    return out;
}

std::optional<std::vector<FrameCount>> framesNamed(const QString& text, int count) {
    // "reta", as the 1990 spelling and Brazil write it, names the same topics as "recta".
    QString wanted = plainName(text);
    if (wanted.startsWith(QLatin1String("reta"))) wanted.replace(0, 4, QStringLiteral("recta"));
    std::vector<FrameCount> frames;
    for (const practice::FrameId& frame : practice::allFrames()) {
        const QString name = frameName(frame);
        const QString withoutOption = fromUtf8(frame.frame().name);
        if (name == wanted || withoutOption == wanted ||
            fromUtf8(topicName(topicOf(frame))) == wanted)
            frames.push_back({frame, count});
    }
    if (frames.empty()) return std::nullopt;
    return frames;
}

} // namespace worksheet
