#include "cli/export_actions.h"

#include "app/kept_plan_values.h"
#include "app/packet_export.h"
#include "app/plan_context_of.h"
#include "materials/materials.h"
#include "measure/errors.h"
#include "packet/exported_pictures.h"
#include "platform/atomic_write.h"
#include "platform/file_name.h"
#include "platform/qt/svg_file.h"

namespace varnloft {

CliExports::CliExports(MainWindow& window, CliPictures& pictures, std::string& writeError,
                       const MaterialsSetup& materials)
    : window_(window), pictures_(pictures), writeError_(writeError), materials_(materials) {}

void CliExports::UsePaperOf(const std::vector<CliAction>& actions) {
  for (const auto& action : actions)
    if (action.option == "--page")
      paper_ = action.argument == "a4" ? PaperSize::A4 : PaperSize::Letter;
}

void CliExports::ReportWriteError(const std::string& error) {
  AddWriteError(writeError_, error);
}

bool CliExports::Apply(const CliAction& action) {
  if (action.option == "--export-packet") {
    if (window_.form.mainWindowEnabled) ExportPacket(action.argument);
  } else if (action.option == "--export-svg") {
    const auto eq = action.argument.find('=');
    if (window_.form.mainWindowEnabled)
      ExportSvg(action.argument.substr(0, eq), action.argument.substr(eq + 1));
  } else {
    return false;
  }
  return true;
}

void CliExports::ExportPacket(const std::string& file) {
  MainWindow& w = window_;
  w.HandleUserEvent([&] {
    PressBuildPacket(w, [&] {
      const LocalDateTime now = w.clock().Now();
      PacketContents contents =
          PacketContentsOf(w, materials_.Of(w.rec.ImperialUnits), kPdfDotsPerInch);
      PdfDocumentInfo info;
      info.paper = paper_;
      info.title = PacketTitle(contents.plans, now);
      info.creator = PacketCreator();
      std::string error;
      try {
        error = PrintToPdfFile(file, info, nullptr, [&](PageSink& sink) {
          KeepPlanValues(w.rec, WriteBuildPacket(w.rec, sink, contents, now).plans);
        });
      } catch (const ProgramError& e) {
        // The calculation was done, yet the packet cannot be drawn: the box shows why, and the
        // run fails as for any output not written.
        if (!w.rec.LastCalculationFailed) ReportWriteError(CannotWrite(file, e.what()));
        throw;
      }
      if (!error.empty()) ReportWriteError(error);
    });
  });
}

void CliExports::ExportSvg(const std::string& what, const std::string& file) {
  MainWindow& w = window_;
  w.HandleUserEvent([&] {
    SvgPicture svg;
    ExportedPicture picture;
    Materials materials;
    PlanValues shown;  // what the plan sheet shows, once drawn
    if (what == "view") {
      picture = DesignViewPicture(w.rec, pictures_.view.Width(), pictures_.view.Height(),
                                  w.form.windowWidth, w.form.windowHeight);
      svg.start = pictures_.view.NextSettings();
    } else if (what == "plan") {
      picture = PlanSheetPicture(w.rec, PlanContextOf(w), &shown);
    } else {
      materials = BuildMaterials(w.rec, materials_.Of(w.rec.ImperialUnits));
      picture = CuttingDiagramPicture(materials, kCuttingDiagramExportWidth);
    }
    svg.width = picture.width;
    svg.height = picture.height;
    svg.title = picture.title;
    std::string error;
    try {
      error = WriteSvgFile(file, svg, picture.draw);
    } catch (const ProgramError& e) {
      // A refusal after a failed calculation is the error box alone, as in the window; any
      // other (a drawing that cannot fit, say) also fails the run.
      if (!w.rec.LastCalculationFailed) ReportWriteError(CannotWrite(file, e.what()));
      throw;
    }
    if (what == "plan") KeepPlanValues(w.rec, shown);
    if (!error.empty()) ReportWriteError(error);
  });
}

const std::vector<std::string>& ExportOptionsWithArgument() {
  static const std::vector<std::string> options = {"--export-packet", "--export-svg"};
  return options;
}

void ValidateExportAction(const CliAction& action) {
  if (action.option == "--export-packet") {
    if (!EndsWithNoCase(action.argument, ".pdf"))
      throw UsageError("--export-packet writes .pdf files, not '" + action.argument + "'");
  } else if (action.option == "--export-svg") {
    const auto eq = action.argument.find('=');
    const std::string what = action.argument.substr(0, eq);
    if (eq == std::string::npos || eq + 1 == action.argument.size())
      throw UsageError("--export-svg needs WHAT=FILE, got '" + action.argument + "'");
    if (what != "view" && what != "plan" && what != "materials")
      throw UsageError("--export-svg knows view, plan, materials and safety, not '" + what + "'");
    if (!EndsWithNoCase(action.argument.substr(eq + 1), ".svg"))
      throw UsageError("--export-svg writes .svg files, not '" + action.argument.substr(eq + 1) +
                       "'");
  }
}

}  // namespace varnloft
