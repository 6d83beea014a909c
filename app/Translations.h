// The editor in the user's language: its own texts and Qt's (the standard
// buttons and the file dialog).
#pragma once

class QCoreApplication;
class QLocale;

// Installs the translators for `locale` that exist, as children of `app`.
// Nothing is installed for English, the language the texts are written in.
void InstallTranslations(QCoreApplication& app, const QLocale& locale);
