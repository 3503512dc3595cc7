// Brings a top-level window above the others while its picture is taken, and puts the windows
// back in the order they were in. Pictures are read from the screen, where a window below
// another shows the other's pixels; and the order must come back, because it is the order in
// which `windows` lists the top-level objects (and so what @N means).
//
//   {
//     RaisedWindow raised(dialogHandle);   // the dialog's frame goes to the top
//     repaint(); read the picture;
//   }                                      // the earlier order again (repaint after it)
#ifndef TOOLS_INSPECT_RAISEDWINDOW_H
#define TOOLS_INSPECT_RAISEDWINDOW_H

#include <vector>

struct _XDisplay;

class RaisedWindow {
 public:
  // `window` is any window inside a top-level one: its ancestor that is a child of the root
  // (a frame, or a popup itself) is raised. Uses a display connection of its own.
  explicit RaisedWindow(unsigned long window);
  ~RaisedWindow();
  RaisedWindow(const RaisedWindow&) = delete;
  RaisedWindow& operator=(const RaisedWindow&) = delete;

 private:
  _XDisplay* m_display = nullptr;
  std::vector<unsigned long> m_order;  // the root's children, bottom to top, before raising
};

#endif
