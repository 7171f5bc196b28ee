#include "help/jpeg_decoder.h"

#include <gtest/gtest.h>

#include "help/pictures.h"

namespace varnloft {
namespace {

QByteArray StoredBytes(const StoredPicture& picture) {
  std::string error;
  QByteArray bytes = ReadPictureBytes(QString::fromUtf8(picture.resourcePath), error);
  EXPECT_EQ(error, "");
  return bytes;
}

TEST(StoredPictures, EachDecodesWithLibjpegToItsSize) {
  for (const StoredPicture& picture :
       {kTablePhotograph, kHoleLocationsSketch, kTipsyTableSketch, kAngleCheckingSketch}) {
    SCOPED_TRACE(picture.resourcePath);
    const DecodedPicture decoded = LoadStoredPicture(picture);
    EXPECT_TRUE(decoded.ok()) << decoded.error;
    EXPECT_EQ(decoded.image.width(), picture.width);
    EXPECT_EQ(decoded.image.height(), picture.height);
    // A real picture, not a blank: the sketches are mostly white paper with dark ink, the
    // photograph mostly lawn and sky.
    int dark = 0;
    for (int y = 0; y < decoded.image.height(); y += 4)
      for (int x = 0; x < decoded.image.width(); x += 4)
        if (qGray(decoded.image.pixel(x, y)) < 100) ++dark;
    EXPECT_GT(dark, 20);
  }
}

TEST(StoredPictures, MissingPictureIsReportedWithItsName) {
  const DecodedPicture decoded = LoadStoredPicture({":/pictures/no_such_picture.jpg", 10, 10});
  EXPECT_TRUE(decoded.image.isNull());
  EXPECT_NE(decoded.error.find("no_such_picture.jpg"), std::string::npos) << decoded.error;
}

TEST(JpegDecoder, TruncatedPictureGivesEmptyImageAndMessage) {
  const QByteArray whole = StoredBytes(kHoleLocationsSketch);
  for (qsizetype keep : {whole.size() / 2, whole.size() - 10, qsizetype(300), qsizetype(2)}) {
    SCOPED_TRACE(keep);
    const DecodedPicture decoded = DecodeJpeg(whole.left(keep));
    EXPECT_FALSE(decoded.ok());
    EXPECT_TRUE(decoded.image.isNull());
    EXPECT_NE(decoded.error.find("could not be read"), std::string::npos) << decoded.error;
  }
}

TEST(JpegDecoder, DamagedOrForeignBytesAreReportedNotFatal) {
  EXPECT_EQ(DecodeJpeg(QByteArray()).error, "The picture is empty");

  const DecodedPicture text = DecodeJpeg(QByteArray("this is not a picture at all"));
  EXPECT_FALSE(text.ok());
  EXPECT_TRUE(text.image.isNull());

  // Scrambled entropy-coded data after an intact header.
  QByteArray scrambled = StoredBytes(kTipsyTableSketch);
  for (qsizetype i = scrambled.size() / 3; i < scrambled.size() - 2; i += 7) scrambled[i] = '\xff';
  const DecodedPicture damaged = DecodeJpeg(scrambled);
  EXPECT_FALSE(damaged.ok());
  EXPECT_TRUE(damaged.image.isNull());
}

TEST(JpegDecoder, HeaderClaimingAHugePictureIsRefusedBeforeAllocating) {
  QByteArray bytes = StoredBytes(kAngleCheckingSketch);
  // Frame header (SOF0 or SOF2): marker, length, precision, then height and width.
  qsizetype frame = bytes.indexOf("\xff\xc0");
  if (frame < 0) frame = bytes.indexOf("\xff\xc2");
  ASSERT_GT(frame, 0);
  for (int i = 5; i <= 8; ++i) bytes[frame + i] = '\xfe';  // 65278 x 65278 pixels
  const DecodedPicture decoded = DecodeJpeg(bytes);
  EXPECT_TRUE(decoded.image.isNull());
  EXPECT_NE(decoded.error.find("too large"), std::string::npos) << decoded.error;
}

}  // namespace
}  // namespace varnloft
