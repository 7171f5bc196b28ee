#include "platform/qt/qt_shell.h"

#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QObject>
#include <QUrl>
#include <vector>

#include "platform/web_address.h"

namespace varnloft {
namespace {

// Stands in for the browser: Qt hands every http address to it instead of the desktop.
class UrlRecorder : public QObject {
  Q_OBJECT

 public:
  std::vector<QUrl> opened;

 public slots:
  void Open(const QUrl& url) { opened.push_back(url); }
};

class QtShellTest : public ::testing::Test {
 protected:
  void SetUp() override { QDesktopServices::setUrlHandler("http", &recorder_, "Open"); }
  void TearDown() override { QDesktopServices::unsetUrlHandler("http"); }
  UrlRecorder recorder_;
};

TEST_F(QtShellTest, OpensTheAddressWithHttpInFront) {
  QtShell shell;
  shell.OpenWebAddress(kMakerWebAddress);
  ASSERT_EQ(recorder_.opened.size(), 1u);
  EXPECT_EQ(recorder_.opened[0].toString(), QString("http://") + kMakerWebAddress);
}

TEST_F(QtShellTest, VeryLongAddressIsPassedOnWholeAndSafely) {
  // Far beyond any fixed buffer a link might once have been copied into.
  for (std::size_t length : {120u, 121u, 4096u, 200000u}) {
    SCOPED_TRACE(length);
    std::string address = "www.tellwicktables.example/";
    address += std::string(length - address.size(), 'p');
    QtShell shell;
    shell.OpenWebAddress(address);
    ASSERT_FALSE(recorder_.opened.empty());
    EXPECT_EQ(recorder_.opened.back().toString().toStdString(), "http://" + address);
  }
}

TEST(WebAddress, NoticeCarriesTheYearInFourDigits) {
  EXPECT_EQ(NoticeTextForYear(2007),
            "Copyright (c) 2007 Tellwick Picnic Tables. All rights reserved.");
  EXPECT_NE(NoticeTextForYear(987).find(" 0987 "), std::string::npos);
  // The two written forms name the same address.
  EXPECT_EQ(QString(kMakerWebAddressCapitalised).toLower(), QString(kMakerWebAddress));
}

}  // namespace
}  // namespace varnloft

#include "qt_shell_test.moc"
