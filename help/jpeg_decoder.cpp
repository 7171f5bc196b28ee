#include "help/jpeg_decoder.h"

#include <csetjmp>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace varnloft {
namespace {

// libjpeg's own error handler ends the process. This one jumps back to the decoder instead,
// carrying libjpeg's message with it.
struct JumpingErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void JumpOnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<JumpingErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings (level -1) mean corrupt or missing data, such as a file cut short; libjpeg would
// fill the rest with grey and report success. A damaged picture is treated as unreadable.
void JumpOnWarning(j_common_ptr info, int level) {
  if (level < 0) JumpOnError(info);
}

// Everything that lives across the jump sits in the caller's frame, reached through a pointer,
// so that nothing the decoder touches after setjmp is a local of the jumping function.
struct DecodeJob {
  const unsigned char* data = nullptr;
  unsigned long size = 0;
  QImage image;
  std::string error;
};

void RunDecoder(DecodeJob* job) {
  jpeg_decompress_struct info;
  JumpingErrorManager manager;
  info.err = jpeg_std_error(&manager.base);
  manager.base.error_exit = JumpOnError;
  manager.base.emit_message = JumpOnWarning;
  manager.message[0] = '\0';

  if (setjmp(manager.jump)) {
    job->error = manager.message;
    job->image = QImage();
    jpeg_destroy_decompress(&info);
    return;
  }

  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, job->data, job->size);
  jpeg_read_header(&info, TRUE);
  const long long pixels = static_cast<long long>(info.image_width) * info.image_height;
  if (pixels > kMaxJpegPixels) {
    std::snprintf(manager.message, sizeof manager.message, "Picture too large (%u x %u pixels)",
                  info.image_width, info.image_height);
    std::longjmp(manager.jump, 1);
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);

  job->image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                      QImage::Format_RGB888);
  if (job->image.isNull()) {
    std::snprintf(manager.message, sizeof manager.message, "Not enough memory for the picture");
    std::longjmp(manager.jump, 1);
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = job->image.scanLine(static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
}

}  // namespace

DecodedPicture DecodeJpeg(const QByteArray& bytes) {
  if (bytes.isEmpty()) return {QImage(), "The picture is empty"};

  DecodeJob job;
  job.data = reinterpret_cast<const unsigned char*>(bytes.constData());
  job.size = static_cast<unsigned long>(bytes.size());
  RunDecoder(&job);
  if (!job.error.empty()) return {QImage(), "The picture could not be read: " + job.error};
  return {job.image, ""};
}

}  // namespace varnloft
