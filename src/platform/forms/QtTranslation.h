#pragma once

// Qt's own texts (the standard context menus of edits, the file dialog, the standard buttons) in the
// program's language.

#include <QString>

// Loads Qt's catalogue of the language (qtbase_<ALanguage>.qm from Qt's translations folder) into the
// application, which must exist. Returns false, changing nothing, when the catalogue is not installed.
bool LoadQtTranslation(const QString& ALanguage);

// Qt's translations folder, where the catalogues are looked for.
QString QtTranslationsPath();
