#include "ShellAccessibilityHost.h"

#include "DocShell.h"
#include "Widget.h"
#include "dom/Document.h"

namespace geckohost {

namespace {
DocShell* shellOf(dom::Document& document) {
  return dynamic_cast<DocShell*>(document.container());
}
}  // namespace

layout::DocumentLayout* ShellAccessibilityHost::layoutFor(dom::Document& document) {
  DocShell* shell = shellOf(document);
  return shell ? shell->layout() : nullptr;
}

std::optional<nsIntPoint> ShellAccessibilityHost::screenOffsetFor(dom::Document& document) {
  DocShell* shell = shellOf(document);
  Widget* widget = shell ? shell->widget() : nullptr;
  if (!widget || widget->isDestroyed())
    return std::nullopt;
  return widget->WidgetToScreenOffset();
}

}  // namespace geckohost
