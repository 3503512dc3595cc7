#include "ShellAccessibilityHost.h"

#include "DocShell.h"
#include "Widget.h"
#include "XULWindow.h"
#include "dom/Document.h"
#include "dom/Element.h"

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

std::optional<nsIntRect> ShellAccessibilityHost::chromeBoundsFor(dom::Node& node) {
  dom::Document* document = node.documentOrSelf();
  DocShell* shell = document ? shellOf(*document) : nullptr;
  XULWindow* window = shell ? shell->owner() : nullptr;
  // Only the window's own chrome is laid out by the chrome layout; XUL in frames is not.
  if (!window || window->isClosed() || window->chromeShell() != shell || !window->mainWidget())
    return std::nullopt;
  if (&node == document)
    return window->mainWidget()->bounds();
  if (!node.isElement() || !node.isInDocument())
    return nsIntRect();
  return window->chromeBoxOnScreen(static_cast<dom::Element&>(node));
}

}  // namespace geckohost
