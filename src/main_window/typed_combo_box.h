#pragma once

#include <QComboBox>

// Makes combo an editable box whose typed text is taken as it stands: nothing completes it and nothing adds it
// to the items.
inline void makeTypedComboBox(QComboBox* combo) {
    combo->setEditable(true);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
}
