#pragma once
// One run of the driver in process, as varnloft-cli makes it: the command line parsed, every
// action validated, the session started, every action applied, concluded, the JSON document
// taken and the files written. Usage errors throw as they do before a real run.
#include <QFile>
#include <QString>
#include <string>
#include <vector>

#include "cli/cli_session.h"

namespace varnloft::testing {

struct DriverRun {
  explicit DriverRun(const std::vector<std::string>& args)
      : options(ParseCommandLine(args)), session(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}, {}) {
    for (const auto& action : options.actions) session.Validate(action);
    if (options.designFileArgument) session.ReportInputs();
    session.Start(options.actions);
    for (const auto& action : options.actions) session.Apply(action);
    session.Conclude();
    report = session.Report();
    written = session.Finish(error);
  }
  // The message boxes shown, as "kind: text".
  std::vector<std::string> Dialogs() const {
    std::vector<std::string> texts;
    for (const ShownBox& box : session.prompts().shown) texts.push_back(box.kind + ": " + box.text);
    return texts;
  }
  CliOptions options;
  mutable CliSession session;
  std::string report, error;
  bool written = false;
};

// A file's whole content; empty when it cannot be read.
inline std::string ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
}

}  // namespace varnloft::testing
