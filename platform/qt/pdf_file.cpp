#include "platform/qt/pdf_file.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

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
  QSaveFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::WriteOnly)) return SaveFailure(file.fileName(), file.errorString());
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDotsPerInch);
    writer.setPageSize(QPageSize(info.paper == PaperSize::A4 ? QPageSize::A4 : QPageSize::Letter));
    writer.setCreator(QString::fromStdString(info.creator));
    if (!info.title.empty()) writer.setTitle(QString::fromStdString(info.title));
    PaintDevicePageSink sink(writer, recording);
    try {
      print(sink);
    } catch (...) {
      file.cancelWriting();
      throw;
    }
  }
  return CommitSavedFile(file);
}

}  // namespace varnloft
