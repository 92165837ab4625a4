#include "topictable.h"

#include <QStringList>

namespace {

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
}

/// `special` where the table gives one, else `usual`, in the program's language.
QString either(const char* special, const char* usual) {
    return topicText(special ? special : usual);
}

/// The buttons of a topic's form that lead to the other topics, in table order.
std::vector<TopicButton> topicButtonsOn(Topic form) {
    const QStringList names = text(topicRow(form).buttonNames).split(QLatin1Char(' '));
    std::vector<TopicButton> buttons;
    for (const TopicRow& target : TopicTable) {
        if (target.topic == form) continue;
        const auto i = qsizetype(target.topic);
        const TopicButtonText& b = target.button;
        buttons.push_back(
            {i < names.size() ? names[i] : QStringLiteral("Ir") + text(target.form), target.topic,
             form == Topic::Pontos ? either(b.captionOnPontos, b.caption) : topicText(b.caption),
             form == Topic::Recta1 ? either(b.tipOnRecta1, b.tip) : topicText(b.tip),
             QStringLiteral(":/icons/%1.svg").arg(text(b.icon))});
    }
    return buttons;
}

} // namespace

FormTraits formTraits(Topic topic, FormLayout layout) {
    const TopicRow& row = topicRow(topic);
    return {topic,        text(row.form),   topicText(row.title), topicButtonsOn(topic),
            row.helpTips, std::move(layout)};
}
