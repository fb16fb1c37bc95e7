#pragma once
// The language the client speaks: the session's, as the C library reads it (the first of
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG that names one), Portuguese (Brazil) when none does.
// Qt's own dialogs (the file dialog, the standard buttons) and the platform's message box
// captions then come in that language, as on a localized desktop.
#include <QLocale>

class QCoreApplication;

namespace ClientLanguage {

QLocale SessionLocale();
// Loads Qt's translations for the session's language and chooses the platform's captions.
void Install(QCoreApplication& application);

}  // namespace ClientLanguage
