#include "platform/forms/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool LoadQtTranslation(const QString& ALanguage) {
  auto* catalogo = new QTranslator(QCoreApplication::instance());
  if (!catalogo->load(QStringLiteral("qtbase_") + ALanguage, QtTranslationsPath()) ||
      !QCoreApplication::installTranslator(catalogo)) {
    delete catalogo;
    return false;
  }
  return true;
}

QString QtTranslationsPath() { return QLibraryInfo::path(QLibraryInfo::TranslationsPath); }
