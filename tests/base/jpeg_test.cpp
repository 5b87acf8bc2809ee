#include <QImage>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

extern "C" {
#include <jpeglib.h>
}

#include "base/jpeg.h"
#include "support/testenv.h"

namespace {

// A small JPEG made with libjpeg itself: the left half red, the right half blue.
QByteArray makeJpeg(int width, int height) {
  jpeg_compress_struct info{};
  jpeg_error_mgr err{};
  info.err = jpeg_std_error(&err);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(width * 3);
  for (int x = 0; x < width; ++x) {
    row[x * 3 + 0] = x < width / 2 ? 230 : 10;
    row[x * 3 + 1] = 10;
    row[x * 3 + 2] = x < width / 2 ? 10 : 230;
  }
  while (info.next_scanline < info.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&info, &r, 1);
  }
  jpeg_finish_compress(&info);
  QByteArray out(reinterpret_cast<const char*>(buffer), static_cast<int>(size));
  jpeg_destroy_compress(&info);
  free(buffer);
  return out;
}

}  // namespace

TEST(Jpeg, DecodesPicturesAndRefusesDamagedOnes) {
  const QImage image = decodeJpeg(makeJpeg(64, 32));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), QSize(64, 32));
  EXPECT_GT(qRed(image.pixel(4, 16)), 200);
  EXPECT_GT(qBlue(image.pixel(60, 16)), 200);

  QByteArray damaged = makeJpeg(64, 32);
  damaged.truncate(damaged.size() / 3);
  damaged[2] = 0;
  EXPECT_TRUE(decodeJpeg(damaged).isNull());
  EXPECT_TRUE(decodeJpeg(QByteArray("not a picture")).isNull());
  EXPECT_TRUE(decodeJpeg(QByteArray()).isNull());
}

TEST(Jpeg, CustomerLogoPrefersJpegThenBitmap) {
  TestEnv env;
  EXPECT_TRUE(loadJpegOrBmp(env.workDir.path(), QStringLiteral("customer")).isNull());

  QImage bmp(10, 8, QImage::Format_RGB32);
  bmp.fill(Qt::green);
  ASSERT_TRUE(bmp.save(env.path(QStringLiteral("customer.bmp")), "BMP"));
  EXPECT_EQ(loadJpegOrBmp(env.workDir.path(), QStringLiteral("customer")).size(), QSize(10, 8));

  env.writeFile(QStringLiteral("customer.jpg"), makeJpeg(20, 12));
  EXPECT_EQ(loadJpegOrBmp(env.workDir.path(), QStringLiteral("customer")).size(), QSize(20, 12));
}
