#pragma once

#include "navigation.h"

class QWidget;

/// Whether the problem form of a topic is part of this build.
bool isTopicBuilt(Topic topic);

/// Creates the problem form of a topic as a top-level window that deletes
/// itself when it is closed, or returns nullptr while the topic is not built.
QWidget* createTopicForm(Topic topic);
