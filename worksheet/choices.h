#pragma once

#include "exercise.h"
#include "topictable.h"

#include <QCoreApplication>
#include <QString>
#include <optional>
#include <vector>

namespace worksheet {

/// How many exercises of one problem frame (with its option, where it has options).
struct FrameCount {
    practice::FrameId frame{};
    int count = 1;
    friend bool operator==(const FrameCount&, const FrameCount&) = default;
};

/// Everything that decides a sheet: the same choices give the same sheet.
struct Choices {
    std::vector<FrameCount> frames;
    practice::Level level = practice::Level::Basico;
    int versions = 1; ///< 1, or 2 (A and B)
    quint64 seed = 1;
    QString title = QCoreApplication::translate("WorksheetDialog", "Ficha de exercícios");
    bool figures = true;
};

/// The most exercises of one frame, and of a whole version of a sheet.
inline constexpr int MaxPerFrame = 20;
inline constexpr int MaxExercises = 100;

/// The program's topic of a practice frame: the practice library lists the
/// topics in the program's order.
inline Topic topicOf(practice::FrameId frame) {
    using P = practice::TopicId;
    static_assert(practice::TopicIdCount == TopicCount);
    static_assert(int(P::Recta1) == int(Topic::Recta1) && int(P::Recta4) == int(Topic::Recta4) &&
                  int(P::Circunferencia1) == int(Topic::Circunferencia1) &&
                  int(P::Triangulo) == int(Topic::Triangulo));
    return Topic(int(frame.topic));
}

/// "básico", "intermédio", "avançado".
QString levelText(practice::Level level);
/// A level from its name, with or without accents, any case.
std::optional<practice::Level> levelNamed(const QString& name);

/// The name of a topic on the command line: its index heading in lower
/// case, without accents or blanks ("recta2", "circunferencia1").
QString topicName(Topic topic);
/// A frame's name: its topic's, its number from 1 and, for a frame with
/// options, the option's letter ("recta2-3", "triangulo-1b").
QString frameName(practice::FrameId frame);
/// The frame's caption, with its option.
QString frameCaption(practice::FrameId frame);

/// The frames that `text` names, every one `count` times: one frame
/// ("triangulo-1b"), every option of a frame ("triangulo-1") or every frame
/// of a topic ("triangulo"), with or without accents ("triângulo",
/// "circunferência1") and in any case; nothing when it names none.
std::optional<std::vector<FrameCount>> framesNamed(const QString& text, int count);

/// A name as typed, made plain to compare with the program's names: lower
/// case, accents and blanks left out ("Circunferência 1" → "circunferencia1").
QString plainName(const QString& text);

/// The chosen frames that have no exercise at the chosen level.
std::vector<practice::FrameId> framesWithoutLevel(const Choices& choices);

} // namespace worksheet
