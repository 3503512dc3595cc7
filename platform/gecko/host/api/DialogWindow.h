// A XUL dialog opened by the host over a browser window (Host::openDialog), as Firefox shows
// its dialogs: transient for its owner, one chrome document per kind (or any XUL page), and
// answered as a person answers it: typing into its text box, checking its boxes, pressing a
// button.
//
//   DialogOptions options;
//   options.kind = DialogKind::Prompt;
//   options.message = "Your name?";
//   DialogWindow& dialog = host->openDialog(browser, options);
//   dialog.setText("Ada");
//   dialog.press("accept");            // closes it, as OK does
//   dialog.answer().button == "accept", dialog.answer().text == "Ada"
#ifndef GECKOHOST_API_DIALOGWINDOW_H
#define GECKOHOST_API_DIALOGWINDOW_H

#include <functional>
#include <optional>
#include <string>

#include "BrowserWindow.h"
#include "HostApi.h"

namespace geckohost {

// Which of the browser's dialogs to show; each has its chrome file (docs/chrome.md).
enum class DialogKind {
  Alert,         // commonDialog: a message and OK
  Confirm,       // commonDialog: a message, OK and Cancel
  Prompt,        // commonDialog: a message, a text box, OK and Cancel
  HelperApp,     // nsHelperAppDlg: open or save a download
  Find,          // findDialog: find text in the page
  CookieAccept,  // cookieAcceptDialog: allow, allow for the session, or deny a cookie
};

// How a dialog was answered. The text, check box and choice are read when the button is
// pressed.
struct DialogAnswer {
  bool answered = false;
  std::string button;    // the pressed button's dlgtype, or its label when it has none
  std::string text;      // the text box's value ("" without one)
  bool checked = false;  // the first check box shown (false without one)
  std::string choice;    // the id of the selected radio button ("" without one)
};

struct DialogOptions {
  int x = 200;
  int y = 150;
  int width = 360;
  int height = 200;
  DialogKind kind = DialogKind::Confirm;
  // The window title; empty for the kind's own ("Confirm", "Find", ...).
  std::string title;
  // The message (commonDialog, cookie dialog) or the file's type (helper app dialog).
  std::string message = "Are you sure?";
  // The text box's first value (prompt, find), or the file name (helper app dialog).
  std::string text;
  // The common dialog's check box, shown when the label is not empty; unset for the kind's
  // own (a confirm asks "Do not ask again", alerts and prompts have none).
  std::optional<std::string> checkboxLabel;
  bool checked = false;
  // Another XUL document to show instead (a page-table or file: address); empty for the
  // kind's own, whose texts are then taken from above.
  std::string chromeUrl;
  // Opened with its load held: busy until completeLoad().
  LoadMode mode = LoadMode::Complete;
  // Called once, when a button that answers the dialog is pressed (before it closes). A
  // page's script sees its dialog's answer through this: the host runs no nested event loop.
  std::function<void(const DialogAnswer&)> onAnswer;
};

class GECKOHOST_API DialogWindow {
 public:
  ~DialogWindow();
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  // 0 once the dialog closed.
  unsigned long frameWindow() const;
  unsigned long topLevelWindow() const;  // WM_CLASS "Dialog", "Firefox"; WM_TRANSIENT_FOR
  unsigned long widgetWindow() const;

  BrowserWindow& owner() const { return mOwner; }
  DialogKind kind() const { return mKind; }
  std::string title() const;
  bool isLoading() const;
  void completeLoad();
  void moveTo(int x, int y);
  // Lays out and paints the dialog's chrome into its X window.
  void paint();

  // --- Answering --------------------------------------------------------------------------
  // Presses the shown button whose dlgtype ("accept", "cancel", "extra1") or label is `name`.
  // Accept and cancel answer the dialog and close it, as Firefox's dialogs do, except the find
  // dialog's accept ("Find Next"), which searches and stays; extra1 answers and closes the
  // cookie dialog ("Allow for Session"). False when there is no such button or the dialog is
  // closed.
  bool press(const std::string& name);
  // Types into the dialog's text box, replacing its value; false without one.
  bool setText(const std::string& text);
  // Checks or clears a check box, or selects a radio button, named by id or label.
  bool setChecked(const std::string& name, bool checked);
  // The answer so far (answered is false until an answering button was pressed).
  const DialogAnswer& answer() const { return mAnswer; }
  // Whether the dialog is still on the screen; an answered dialog's object lives on, with its
  // answer, until the host closes it or goes.
  bool isOpen() const;

  nsCOMPtr<nsIXULWindow> xulWindow() const;
  nsCOMPtr<nsIDOMDocument> document() const;

  XULWindow& window() const { return *mWindow; }

 private:
  friend class Host;
  DialogWindow(HostContext& context, BrowserWindow& owner, const DialogOptions& options);
  void close();
  // Whether pressing the button of `dlgtype` answers (and closes) this kind of dialog.
  bool answers(const std::string& dlgtype) const;

  BrowserWindow& mOwner;  // the host closes a browser's dialogs before the browser
  DialogKind mKind;
  nsCOMPtr<XULWindow> mWindow;
  DialogAnswer mAnswer;
  std::function<void(const DialogAnswer&)> mOnAnswer;
};

}  // namespace geckohost

#endif
