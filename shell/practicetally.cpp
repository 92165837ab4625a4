#include "practicetally.h"

#include "choices.h"
#include "topictable.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>

namespace {

const QString Group = QStringLiteral("Praticar/Contagem");

// By the topic's name, so that the tallies kept survive a topic added.
QString key(int topic, int level, const char* what) {
    return QStringLiteral("%1-%2/%3")
        .arg(QLatin1String(topicName(Topic(topic))))
        .arg(level)
        .arg(QLatin1String(what));
}

} // namespace

PracticeTally PracticeTally::load() {
    PracticeTally tally;
    QSettings settings;
    settings.beginGroup(Group);
    for (int t = 0; t < TopicCount; ++t)
        for (int l = 0; l < 3; ++l) {
            Count& c = tally.m_counts[std::size_t(t)][std::size_t(l)];
            c.tried = std::max(0, settings.value(key(t, l, "tentados"), 0).toInt());
            c.firstTry = std::clamp(settings.value(key(t, l, "primeira"), 0).toInt(), 0, c.tried);
        }
    return tally;
}

void PracticeTally::save() const {
    QSettings settings;
    settings.beginGroup(Group);
    settings.remove(QString());
    for (int t = 0; t < TopicCount; ++t)
        for (int l = 0; l < 3; ++l)
            if (const Count& c = m_counts[std::size_t(t)][std::size_t(l)]; c.tried) {
                settings.setValue(key(t, l, "tentados"), c.tried);
                settings.setValue(key(t, l, "primeira"), c.firstTry);
            }
}

void PracticeTally::add(Topic topic, practice::Level level, bool right) {
    Count& c = m_counts[std::size_t(topic)][std::size_t(level)];
    ++c.tried;
    if (right) ++c.firstTry;
    save();
}

void PracticeTally::reset() {
    m_counts = {};
    save();
}

PracticeTally::Count PracticeTally::count(Topic topic, practice::Level level) const {
    return m_counts[std::size_t(topic)][std::size_t(level)];
}

QString PracticeTally::text() const {
    QStringList lines;
    for (int t = 0; t < TopicCount; ++t)
        for (practice::Level l : practice::AllLevels)
            if (const Count& c = count(Topic(t), l); c.tried)
                lines << QCoreApplication::translate(
                             "PracticeWindow", "%1 · %2: %3 tentado(s), %4 certo(s) à primeira")
                             .arg(topicText(TopicTable[t].indexHeading), worksheet::levelText(l))
                             .arg(c.tried)
                             .arg(c.firstTry);
    return lines.join(QLatin1Char('\n'));
}
