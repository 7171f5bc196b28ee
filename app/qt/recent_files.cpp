#include "app/qt/recent_files.h"

#include <QFileInfo>

namespace varnloft {

namespace {

constexpr char kKey[] = "recentDesigns";

}  // namespace

RecentFiles::RecentFiles(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {}

QStringList RecentFiles::Files() const {
  QStringList files = settings_->value(kKey).toStringList();
  files.removeAll(QString());
  while (files.size() > kMaxFiles) files.removeLast();
  return files;
}

void RecentFiles::Add(const QString& path) {
  const QString absolute = QFileInfo(path).absoluteFilePath();
  QStringList files = Files();
  files.removeAll(absolute);
  files.prepend(absolute);
  while (files.size() > kMaxFiles) files.removeLast();
  Store(files);
}

void RecentFiles::Remove(const QString& path) {
  QStringList files = Files();
  files.removeAll(QFileInfo(path).absoluteFilePath());
  Store(files);
}

void RecentFiles::Store(const QStringList& files) {
  settings_->setValue(kKey, files);
  settings_->sync();
}

}  // namespace varnloft
