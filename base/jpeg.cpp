#include "base/jpeg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <csetjmp>
#include <cstdio>

extern "C" {
#include <jpeglib.h>
}

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
};

void onError(j_common_ptr info) {
  auto* err = reinterpret_cast<ErrorManager*>(info->err);
  std::longjmp(err->jump, 1);
}

void onMessage(j_common_ptr) {
  // Warnings of a damaged picture are not the operator's business.
}

}  // namespace

QImage decodeJpeg(const QByteArray& data) {
  if (data.isEmpty()) return {};
  jpeg_decompress_struct info{};
  ErrorManager err{};
  info.err = jpeg_std_error(&err.base);
  err.base.error_exit = onError;
  err.base.output_message = onMessage;

  // Everything that must survive a longjmp lives outside the protected block.
  QImage image;
  if (setjmp(err.jump)) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(data.constData()),
               static_cast<unsigned long>(data.size()));
  if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  if (info.output_components != 3 || info.output_width == 0 || info.output_height == 0) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                 QImage::Format_RGB888);
  if (image.isNull()) {
    jpeg_destroy_decompress(&info);
    return {};
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return image;
}

QImage decodeJpegFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return decodeJpeg(file.readAll());
}

QImage loadJpegOrBmp(const QString& folder, const QString& baseName) {
  const QDir dir(folder);
  const QString jpg = dir.filePath(baseName + QStringLiteral(".jpg"));
  if (QFileInfo::exists(jpg)) return decodeJpegFile(jpg);
  const QString bmp = dir.filePath(baseName + QStringLiteral(".bmp"));
  if (QFileInfo::exists(bmp)) return QImage(bmp, "BMP");
  return {};
}
