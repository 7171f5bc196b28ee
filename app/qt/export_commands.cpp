#include "app/qt/export_commands.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPageSize>
#include <QPrinter>

#include "app/kept_plan_values.h"
#include "app/packet_export.h"
#include "app/plan_context_of.h"
#include "app/qt/plans_window.h"
#include "plans/plan_name.h"
#include "platform/qt/image_file.h"
#include "platform/qt/svg_file.h"

namespace varnloft {

namespace {

QString RunSaveDialog(QWidget* parent, const QString& title, const QString& proposedPath,
                      const QString& filter) {
  QFileDialog dialog(parent, title);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(QFileInfo(proposedPath).suffix());
  dialog.setDirectory(QFileInfo(proposedPath).absolutePath());
  dialog.selectFile(QFileInfo(proposedPath).fileName());
  dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
  return dialog.selectedFiles().first();
}

}  // namespace

ExportCommands::ExportCommands(MainWindow& state, const Picture& designView,
                               std::function<QPrinter&()> printer, Prompts& prompts,
                               const MaterialsSetup& materials)
    : state_(state),
      designView_(designView),
      printer_(std::move(printer)),
      prompts_(prompts),
      materials_(materials) {
  askSaveFileName = [this](const QString& title, const QString& proposedPath,
                           const QString& filter) {
    return RunSaveDialog(dialogParent, title, proposedPath, filter);
  };
}

PaperSize ExportCommands::PacketPaper() const {
  return printer_().pageLayout().pageSize().id() == QPageSize::A4 ? PaperSize::A4
                                                                  : PaperSize::Letter;
}

QString ExportCommands::Ask(const QString& title, const std::string& extension,
                            const QString& filter) {
  // Proposed under the plan's name as it stands now, in the folder the plans are saved to.
  const std::string name = PlanName(state_.form.statusPanel0, state_.clock().Now());
  const QString proposed = QDir(PlansWindow::StartFolder())
                               .filePath(QString::fromStdString(PlanFileName(name, extension)));
  if (!askSaveFileName) return QString();
  QString path = askSaveFileName(title, proposed, filter);
  // A name typed without a suffix gets the one the dialog proposed (the file is written in the
  // format its name ends in).
  const size_t dot = extension.rfind('.');
  if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty() && dot != std::string::npos)
    path += QString::fromStdString(extension.substr(dot));
  return path;
}

void ExportCommands::WriteSvg(const ExportedPicture& picture, const CanvasSettings& start,
                              const QString& path) {
  SvgPicture svg;
  svg.width = picture.width;
  svg.height = picture.height;
  svg.title = picture.title;
  svg.start = start;
  const std::string error = WriteSvgFile(path.toStdString(), svg, picture.draw);
  if (!error.empty()) prompts_.ShowError(error);
}

void ExportCommands::ExportPlanSheetSvg() {
  RefuseIfDesignIncomplete(state_.rec, "drawn");
  const QString path = Ask("Export the plan sheet", ".svg", "SVG picture (*.svg)");
  if (path.isEmpty()) return;
  PlanValues shown = PlanValuesOf(state_.rec, PlanContextOf(state_));
  WriteSvg(PlanSheetPicture(state_.rec, PlanContextOf(state_), &shown), CanvasSettings{}, path);
  KeepPlanValues(state_.rec, shown);
}

void ExportCommands::ExportDesignViewSvg() {
  const QString path = Ask("Export the design view", " view.svg", "SVG picture (*.svg)");
  if (path.isEmpty()) return;
  WriteSvg(DesignViewPicture(state_.rec, designView_.Width(), designView_.Height(),
                             state_.form.windowWidth, state_.form.windowHeight),
           designView_.NextSettings(), path);
}

void ExportCommands::ExportDesignViewPng() {
  const QString path = Ask("Export the design view", " view.png", "PNG picture (*.png)");
  if (path.isEmpty()) return;
  const std::string error = SaveImageFile(designView_.Image(), path);
  if (!error.empty()) prompts_.ShowError(error);
}

void ExportCommands::ExportBuildPacket() {
  PressBuildPacket(state_, [this] {
    const QString path = Ask("Export the build packet", " build packet.pdf", "PDF (*.pdf)");
    if (path.isEmpty()) return;
    const LocalDateTime now = state_.clock().Now();
    const PacketContents contents =
        PacketContentsOf(state_, materials_.Of(state_.rec.ImperialUnits), kPdfDotsPerInch);
    PdfDocumentInfo info;
    info.paper = PacketPaper();
    info.title = PacketTitle(contents.plans, now);
    info.creator = PacketCreator();
    const std::string error =
        PrintToPdfFile(path.toStdString(), info, nullptr, [&](PageSink& sink) {
          KeepPlanValues(state_.rec, WriteBuildPacket(state_.rec, sink, contents, now).plans);
        });
    if (!error.empty()) prompts_.ShowError(error);
  });
}

std::string SaveCuttingDiagramSvg(const Materials& materials, const QString& path, int width) {
  const ExportedPicture picture = CuttingDiagramPicture(materials, width);
  SvgPicture svg;
  svg.width = picture.width;
  svg.height = picture.height;
  svg.title = picture.title;
  return WriteSvgFile(path.toStdString(), svg, picture.draw);
}

}  // namespace varnloft
