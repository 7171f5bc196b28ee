#pragma once
// What the main window asks of the windows and dialogs around it. The Qt program implements it
// with its windows; the headless driver with its pictures, PDF files and scripted file choices;
// a front end that has no such window keeps the default, which shows nothing.
#include <string>

namespace varnloft {

class WindowCalls {
 public:
  virtual ~WindowCalls() = default;

  virtual void DrawAngleReport() {}  // into the Illustrations window's picture
  virtual void DrawDesignView() {}   // into the main window's picture
  // After every design cycle, the calculation done or failed: the windows that follow the design
  // (the Materials window's lists, the 3D View's model, the safety check).
  virtual void DesignChanged() {}

  virtual void ShowPlans() {}            // draws the plan sheet and shows it modally
  virtual void PrintPlans() {}           // asks for a printer and prints
  virtual void PrinterSetup() {}         // the page set-up dialog
  virtual void ShowAbout() {}            // modal
  virtual void ShowIllustrations() {}    // not modal
  virtual void ShowMaterials() {}        // not modal
  virtual void ShowThicknessDialog() {}  // the lumber thickness dialog, not modal
  virtual void ShowScaleDialog() {}      // the model-building scale dialog, not modal
  virtual void CloseMainWindow() {}      // ends the program

  // The file dialogs: the chosen file, or an empty text when the user cancelled. By default
  // they cancel (the unsaved-changes question then counts a Save of an untitled design so).
  virtual std::string AskOpenDesignFile() { return ""; }
  virtual std::string AskSaveDesignFile(const std::string& /*proposedName*/) { return ""; }
  virtual void RememberRecentFile(const std::string& /*path*/) {}  // opened or saved
  virtual void SaveFailed(const std::string& /*error*/) {}         // after its error box

  // The main window is active again after a file dialog: true when the window system activates
  // it; false (the default) has the main window run its activation handler itself, as a user
  // event.
  virtual bool ActivateMainWindow() { return false; }
};

}  // namespace varnloft
