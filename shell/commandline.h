#pragma once

#include "choices.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

/// What the program is asked on its command line: its windows (no
/// arguments), the help text, or a worksheet written without a window
/// (`ortoplano ficha …`).
namespace CommandLine {

struct Request {
    enum class Kind { Windows, Help, Sheet };
    Kind kind = Kind::Windows;
    worksheet::Choices choices{};
    std::optional<quint64> seed{}; ///< as given; a fresh one is drawn when none is
    QString output{};              ///< the file, .pdf or .odt
    QStringList notes{};           ///< what the command says before it writes the sheet
};

/// Reads the arguments that follow the program's name: the request, or
/// the Portuguese message that says what is wrong with them. Options that
/// are not ours (Qt's -style, -platform…) go to the windows, as they always did.
std::variant<Request, QString> parse(const QStringList& arguments);

/// `ortoplano --help`: the commands and every option of `ficha`.
QString helpText();

/// Carries out a request made without windows and gives the exit code: 0
/// done, 1 the sheet could not be saved, 2 bad arguments (the message on
/// standard error). Nothing when the program should start its windows.
std::optional<int> run(int argc, char* argv[]);

} // namespace CommandLine
