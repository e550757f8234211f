#include "ui/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "ui/menu_captions.h"

namespace vx11 {

QString qt_language_name(int language_code) {
  switch (language_code) {
    case kLanguageEnglish: return QStringLiteral("en");
    case kLanguageRomanian: return QStringLiteral("ro");
    case kLanguageKorean: return QStringLiteral("ko");
    default: return QStringLiteral("de");
  }
}

QtTranslations::~QtTranslations() {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
}

bool QtTranslations::use(int language_code) {
  if (installed_) QCoreApplication::removeTranslator(&translator_);
  installed_ = false;
  const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
  if (!translator_.load(QStringLiteral("qtbase_") + qt_language_name(language_code), folder)) return false;
  installed_ = QCoreApplication::installTranslator(&translator_);
  return installed_;
}

}  // namespace vx11
