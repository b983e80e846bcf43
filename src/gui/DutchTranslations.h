#pragma once

class QCoreApplication;

// Makes Qt's own texts Dutch (the standard buttons and the file, font and print dialogs) and Dutch
// the default locale. Call once after the application object exists; false when Qt's Dutch
// translation file is not installed, in which case those texts stay English.
bool InstallDutchTranslations(QCoreApplication& app);
