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

/// The topic of a frame.
inline Topic topicOf(practice::FrameId frame) {
    return frame.topic();
}

/// "básico", "intermédio", "avançado".
QString levelText(practice::Level level);
/// A level from its name, with or without accents, any case.
std::optional<practice::Level> levelNamed(const QString& name);

/// A frame's name on the command line, as the frame table gives it
/// ("recta2-3", "triangulo-1b").
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
