// What the accessibility service asks of the windows: the layout of the shell that shows a
// document, where that shell's widget sits on the screen, and the chrome boxes of a window's
// XUL document.
#ifndef GECKOHOST_APPSHELL_SHELLACCESSIBILITYHOST_H
#define GECKOHOST_APPSHELL_SHELLACCESSIBILITYHOST_H

#include "accessibility/AccessibilityHost.h"

namespace geckohost {

class ShellAccessibilityHost final : public accessibility::AccessibilityHost {
 public:
  layout::DocumentLayout* layoutFor(dom::Document& document) override;
  std::optional<nsIntPoint> screenOffsetFor(dom::Document& document) override;
  std::optional<nsIntRect> chromeBoundsFor(dom::Node& node) override;
};

}  // namespace geckohost

#endif
