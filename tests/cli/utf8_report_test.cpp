// The driver's report is valid UTF-8 JSON whatever bytes were typed: a byte that is not UTF-8
// reaches the box text and the error box's text, and is reported as U+FFFD.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <string>

#include "cli/cli_session.h"

namespace varnloft {
namespace {

const std::string kFffd = "\xEF\xBF\xBD";

std::string ReportAfter(const std::vector<CliAction>& actions) {
  CliSession session(LocalDateTime{2026, 12, 7, 9, 5, 7, 1}, LocaleTexts{});
  for (const auto& action : actions) session.Validate(action);
  session.Start(actions);
  for (const auto& action : actions) session.Apply(action);
  session.Conclude();
  return session.Report();
}

QJsonObject Parsed(const std::string& report) {
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(report), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return document.object();
}

TEST(Utf8Report, AByteThatIsNotUtf8IsReportedAsAReplacementCharacter) {
  const std::string report = ReportAfter({{"--type", "Edit5=\xFF"}, {"--design", ""}});
  EXPECT_EQ(report.find('\xFF'), std::string::npos);
  const QJsonObject json = Parsed(report);
  EXPECT_EQ(json["controls"]["Edit5"]["text"].toString().toStdString(), kFffd);
  const QJsonValue box = json["dialogs"][0];
  EXPECT_EQ(box["kind"].toString(), "error");
  EXPECT_EQ(box["text"].toString().toStdString(),
            "'" + kFffd + "' is not a valid floating point value");
}

TEST(Utf8Report, TruncatedOverlongAndSurrogateSequencesToo) {
  // "5", a cut-off euro sign, an overlong slash and a surrogate, in one box.
  const std::string typed =
      "5\xE2\x82"
      "\xC0\xAF\xED\xA0\x80";
  const QJsonObject json = Parsed(ReportAfter({{"--type", "Edit1=" + typed}, {"--design", ""}}));
  EXPECT_EQ(json["controls"]["Edit1"]["text"].toString().toStdString(),
            "5" + kFffd + kFffd + kFffd + kFffd + kFffd + kFffd);
}

TEST(Utf8Report, WellFormedTextIsReportedAsTyped) {
  const std::string typed =
      "f\xC3\xBC"
      "nf \xE2\x80\x9D";  // "fünf ”"
  const QJsonObject json = Parsed(ReportAfter({{"--type", "Edit5=" + typed}, {"--design", ""}}));
  EXPECT_EQ(json["controls"]["Edit5"]["text"].toString().toStdString(), typed);
  EXPECT_EQ(json["dialogs"][0]["text"].toString().toStdString(),
            "'" + typed + "' is not a valid floating point value");
}

}  // namespace
}  // namespace varnloft
