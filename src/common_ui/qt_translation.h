#pragma once
// Qt's own Russian texts (standard buttons, the colour and font dialogs).

class QCoreApplication;
class QTranslator;

namespace qor {

// Installs Qt's Russian translation from Qt's translations folder and
// returns it (owned by app). Returns nullptr and changes nothing when the
// file is missing or unreadable: the program then runs with Qt's English
// texts.
QTranslator *installQtRussianTranslation(QCoreApplication &app);

} // namespace qor
