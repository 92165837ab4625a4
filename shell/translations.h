#pragma once

/// Loads Qt's own European Portuguese texts (the buttons and labels of the
/// standard file, print and message dialogs), when they are installed.
void installQtTranslations();
