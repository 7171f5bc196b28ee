#include "platform/qt/pdf_file.h"

#include <QBuffer>
#include <QPageSize>
#include <QPdfWriter>

#include "platform/qt/paint_device_page_sink.h"
#include "platform/qt/saved_file.h"

namespace varnloft {

std::string PrintToPdfFile(const std::string& path, PaperSize paper, RecordingCanvas* recording,
                           const std::function<void(PageSink&)>& print) {
  PdfDocumentInfo info;
  info.paper = paper;
  return PrintToPdfFile(path, info, recording, print);
}

std::string PrintToPdfFile(const std::string& path, const PdfDocumentInfo& info,
                           RecordingCanvas* recording,
                           const std::function<void(PageSink&)>& print) {
  QByteArray bytes;
  QBuffer file(&bytes);
  file.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageSize(QPageSize(info.paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setCreator(QString::fromStdString(info.creator));
    if (!info.title.empty()) writer.setTitle(QString::fromStdString(info.title));
    PaintDevicePageSink sink(writer, recording);
    print(sink);  // a throw leaves the target untouched: nothing was written yet
  }
  file.close();
  return SaveBytes(QString::fromStdString(path), bytes);
}

}  // namespace varnloft
