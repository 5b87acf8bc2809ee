#pragma once

#include <QImage>
#include <QString>

// Decodes a JPEG file with libjpeg. A missing, unreadable or corrupt file gives a null
// image; decoding never aborts the station.
QImage decodeJpegFile(const QString& path);
QImage decodeJpeg(const QByteArray& data);

// A picture file of the working folder: "name.jpg" decoded with libjpeg when it exists,
// otherwise "name.bmp" when that exists; a null image when neither gives a picture.
QImage loadJpegOrBmp(const QString& folder, const QString& baseName);
