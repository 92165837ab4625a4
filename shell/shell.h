#pragma once

#include <memory>

/// The application around the problem forms: the main window, the single
/// instances of the forms and viewers, and the navigation between them.
class Shell {
public:
    Shell();
    ~Shell();
    void show();

private:
    struct Private;
    std::unique_ptr<Private> d;
};
