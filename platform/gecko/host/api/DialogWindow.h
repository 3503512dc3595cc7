// A XUL dialog opened by the host over a browser window (Host::openDialog): transient for its
// owner, with a label, a message, a check box and accept/cancel buttons, or any XUL page.
#ifndef GECKOHOST_API_DIALOGWINDOW_H
#define GECKOHOST_API_DIALOGWINDOW_H

#include <string>

#include "BrowserWindow.h"
#include "HostApi.h"

namespace geckohost {

struct DialogOptions {
  int x = 200;
  int y = 150;
  int width = 360;
  int height = 200;
  // Texts put into the built-in dialog (chrome/dialog.xul).
  std::string title = "Confirm";
  std::string message = "Are you sure?";
  std::string checkboxLabel = "Do not ask again";
  // Another XUL document to show instead (a page-table or file: address); empty for the
  // built-in one, whose texts are then taken from above.
  std::string chromeUrl;
  // Opened with its load held: busy until completeLoad().
  LoadMode mode = LoadMode::Complete;
};

class GECKOHOST_API DialogWindow {
 public:
  ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  unsigned long frameWindow() const;
  unsigned long topLevelWindow() const;  // WM_CLASS "Dialog", "Firefox"; WM_TRANSIENT_FOR
  unsigned long widgetWindow() const;

  BrowserWindow& owner() const { return mOwner; }
  std::string title() const;
  bool isLoading() const;
  void completeLoad();
  void moveTo(int x, int y);

  nsCOMPtr<nsIXULWindow> xulWindow() const;
  nsCOMPtr<nsIDOMDocument> document() const;

  XULWindow& window() const { return *mWindow; }

 private:
  friend class Host;
  DialogWindow(HostContext& context, BrowserWindow& owner, const DialogOptions& options);
  void close();

  BrowserWindow& mOwner;  // the host closes a browser's dialogs before the browser
  nsCOMPtr<XULWindow> mWindow;
};

}  // namespace geckohost

#endif
