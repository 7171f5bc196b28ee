#pragma once
// The designs opened or saved most recently, newest first, kept between runs in the user's
// settings for the File menu's Open Recent.
#include <QSettings>
#include <QStringList>
#include <memory>

namespace varnloft {

class RecentFiles {
 public:
  static constexpr int kMaxFiles = 8;

  // The list lives in `settings` (the program passes the user's own; tests a scratch file).
  explicit RecentFiles(std::unique_ptr<QSettings> settings);

  QStringList Files() const;
  // Puts a file first (by its absolute path), dropping an older entry of it and the ninth.
  void Add(const QString& path);
  void Remove(const QString& path);

 private:
  void Store(const QStringList& files);

  std::unique_ptr<QSettings> settings_;
};

}  // namespace varnloft
