#pragma once

/// Assistive technology meets a top-level window made from a plain QWidget
/// subclass as a nameless "filler". Windows of the classes registered here
/// are announced as windows instead, under their accessible name or caption.
void announceAsWindow(const char* className);

/// How many of those window interfaces exist now. Qt keeps each until its
/// window is destroyed, then deletes it: a closed form leaves none behind.
int announcedWindowCount();
