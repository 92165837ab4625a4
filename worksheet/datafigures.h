#pragma once

#include "displaylist.h"
#include "exercise.h"
#include "topictable.h"

#include <map>
#include <memory>

class ProblemForm;

namespace worksheet {

/// Draws exercises' data as the program draws them: one hidden form per
/// topic, the exercise's fields typed, its option marked, "Dados" pressed,
/// and the board's display list kept: a figure of the data that paints as
/// vectors at any size.
class DataFigures {
public:
    DataFigures();
    ~DataFigures();
    DataFigures(const DataFigures&) = delete;
    DataFigures& operator=(const DataFigures&) = delete;

    /// The data of the exercise drawn; empty when its frame has no "Dados"
    /// button or the press refused the data.
    DisplayList draw(const practice::Exercise& exercise);

private:
    ProblemForm& form(Topic topic);
    std::map<Topic, std::unique_ptr<ProblemForm>> m_forms;
};

} // namespace worksheet
