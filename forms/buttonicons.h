#pragma once

#include <QIcon>
#include <QString>

/// The picture of a button, from the program's resources
/// (":/icons/fechar.svg"). The program holds one icon per picture, whatever
/// the number of windows that show it: each icon draws its pixmaps once per
/// size and keeps them, so a window opened anew finds them drawn, where an
/// icon of its own would draw and keep another set each time.
QIcon buttonIcon(const QString& path);

/// How many pictures the program holds: at most one per picture file.
int buttonIconCount();
