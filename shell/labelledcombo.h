#pragma once

class QComboBox;

/// A combo box that assistive technology announces by its accessible name
/// ("Tema"), with its current item as its value. On Linux Qt announces a
/// combo box by its current item alone, and leaves its label to a relation
/// that not every screen reader follows.
void announceByName(QComboBox* box);
