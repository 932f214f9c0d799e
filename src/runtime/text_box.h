#pragma once

#include <QLineEdit>

#include <limits>

// Makes box a text box that holds a text of any length, as the fields it edits may have: a line edit of Qt's
// cuts its text at 32,767 characters unless told otherwise, also one set by code.
inline void takeAnyLength(QLineEdit* box) {
    box->setMaxLength(std::numeric_limits<int>::max());
}
