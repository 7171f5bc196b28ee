// varnloft-cli: drives the program's main window without a display and prints what it shows.
#include <QGuiApplication>
#include <QLocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "cli/cli_session.h"
#include "platform/qt/qt_locale_texts.h"
#include "platform/system_clock.h"

using namespace varnloft;

namespace {

LocaleTexts LocaleNamed(const std::string& name) {
  if (name.empty()) return LocaleTexts{};
  QLocale locale(QString::fromStdString(name));
  if (locale.language() == QLocale::C && name != "C")
    throw UsageError("unknown locale '" + name + "'");
  return LocaleTextsOf(locale);
}

// Qt's own notices (a missing runtime folder, font look-ups) would break the one-line stderr
// contract; only fatal messages get through.
void QuietMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
}

}  // namespace

int main(int argc, char** argv) {
  // The driver never needs a display: draw off screen.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // Past a file size limit a write fails with "File too large", which the output names, instead
  // of the signal ending the run with the old files half replaced.
  std::signal(SIGXFSZ, SIG_IGN);
  qInstallMessageHandler(QuietMessages);
  std::vector<std::string> args(argv + 1, argv + argc);
  try {
    CliOptions options = ParseCommandLine(args);
    if (options.help) {
      std::cout << CliHelpText();
      return 0;
    }
    LocalDateTime now = SystemClock().Now();
    if (!options.now.empty() && !ParseDateTime(options.now, now))
      throw UsageError("--now needs YYYY-MM-DDTHH:MM:SS, got '" + options.now + "'");
    QGuiApplication app(argc, argv);
    CliSession session(now, LocaleNamed(options.locale));
    if (options.designFileArgument) session.ReportInputs();
    for (const auto& action : options.actions) session.Validate(action);
    session.Start(options.actions);
    for (const auto& action : options.actions) session.Apply(action);
    session.Conclude();
    // Out before the files: one of them may be written to stdout after it.
    std::cout << session.Report() << std::flush;
    std::string errors;
    if (!session.Finish(errors)) {
      // One line for each output that failed.
      size_t start = 0;
      for (size_t end; (end = errors.find('\n', start)) != std::string::npos; start = end + 1)
        std::cerr << "varnloft-cli: " << errors.substr(start, end - start) << "\n";
      std::cerr << "varnloft-cli: " << errors.substr(start) << "\n";
      return 1;
    }
    return 0;
  } catch (const UsageError& e) {
    std::cerr << "varnloft-cli: " << e.what() << "\n";
    return 2;
  }
}
