#include "ui/file_filters.h"

namespace vx11 {

namespace {

const QString kAllFiles = QStringLiteral("Alle Dateien (*)");

// "*.*" means every file; on this system a name needs no dot for that.
QString pattern_of(QString p) {
  p = p.trimmed();
  return p == QStringLiteral("*.*") ? QStringLiteral("*") : p;
}

bool is_pattern(const QString& text) { return text.contains(u'*') || text.contains(u'?'); }

// "*.dxf" -> "dxf"; nothing for wildcards in the extension or several patterns.
QString extension_of(const QString& patterns) {
  if (!patterns.startsWith(QStringLiteral("*.")) || patterns.contains(u' ')) return {};
  const QString ext = patterns.mid(2);
  return is_pattern(ext) || ext.contains(u'.') ? QString() : ext;
}

QString filter_entry(const QString& description, const QString& patterns) {
  if (patterns == QStringLiteral("*")) return kAllFiles;
  QString name = description.trimmed();
  // A description that is itself a pattern names the files by their extension.
  if (name.isEmpty() || is_pattern(name)) {
    const QString ext = extension_of(patterns);
    name = ext.isEmpty() ? patterns : ext.toUpper();
  }
  return name + QStringLiteral(" (") + patterns + QStringLiteral(")");
}

}  // namespace

NameFilters name_filters(std::string_view core_filter) {
  const QStringList parts = QString::fromUtf8(core_filter.data(), static_cast<qsizetype>(core_filter.size()))
                                .split(u'|', Qt::SkipEmptyParts);
  NameFilters out;
  const auto add = [&out](const QString& description, const QString& raw) {
    QStringList patterns;
    for (const QString& p : raw.split(u';', Qt::SkipEmptyParts)) patterns << pattern_of(p);
    const QString joined = patterns.join(u' ');
    if (joined.isEmpty()) return;
    if (out.filters.isEmpty()) out.suffix = extension_of(joined);
    const QString entry = filter_entry(description, joined);
    if (!out.filters.contains(entry)) out.filters << entry;
  };
  if (parts.size() == 1) {
    add(QString(), parts[0]);
  } else {
    // Pairs of description and patterns; an odd last part is a pattern of its own.
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) add(parts[i], parts[i + 1]);
    if (parts.size() % 2 == 1) add(QString(), parts.back());
  }
  if (!out.filters.contains(kAllFiles)) out.filters << kAllFiles;
  return out;
}

}  // namespace vx11
