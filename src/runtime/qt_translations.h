#pragma once

// Installs Qt's own Japanese texts (qtbase_ja from Qt's translations folder), so that the standard dialogs and
// buttons speak Japanese like the rest of the program, whatever the user's locale. False when they are not
// installed; the program then runs on with Qt's English texts.
bool installQtTranslations();
