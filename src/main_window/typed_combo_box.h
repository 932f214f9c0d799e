#pragma once

#include "text_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>

// Makes combo an editable box whose typed text is taken as it stands, whatever its length: nothing completes it,
// nothing adds it to the items, and nothing dropped on it becomes text.
inline void makeTypedComboBox(QComboBox* combo) {
    combo->setEditable(true);
    takeAnyLength(combo->lineEdit());
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->lineEdit()->setAcceptDrops(false);
}

// Lets combo's open list grow to its longest item, however narrow the box itself is.
inline void fitListToItems(QComboBox* combo) {
    QAbstractItemView* list = combo->view();
    int width = list->sizeHintForColumn(0) + 2 * list->frameWidth();
    if (combo->count() > combo->maxVisibleItems())
        width += list->verticalScrollBar()->sizeHint().width();
    list->setMinimumWidth(width);
}
