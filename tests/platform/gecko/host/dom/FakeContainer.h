// A stand-in for the document shell: counts change notifications, answers frames' documents
// from a table, and hands out a layout whose answers the test sets.
#ifndef TESTS_PLATFORM_GECKO_HOST_DOM_FAKECONTAINER_H
#define TESTS_PLATFORM_GECKO_HOST_DOM_FAKECONTAINER_H

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "dom/Document.h"
#include "dom/DocumentContainer.h"
#include "dom/Element.h"
#include "dom/HTMLScriptElement.h"
#include "layout/LayoutQuery.h"

namespace geckohost::testing {

class FakeLayout final : public LayoutQuery {
 public:
  void flush() override { ++flushes; }
  OffsetBox offsetBox(dom::Element& element) override {
    auto found = offsets.find(&element);
    return found == offsets.end() ? OffsetBox() : found->second;
  }
  ScrollBox scrollBox(dom::Element& element) override {
    auto found = scrolls.find(&element);
    return found == scrolls.end() ? ScrollBox() : found->second;
  }
  void scrollTo(dom::Element& element, int left, int top) override {
    scrolls[&element].scrollLeft = left;
    scrolls[&element].scrollTop = top;
  }
  nsPoint scrollPosition() override { return viewportScroll; }
  dom::Element* elementFromPoint(int x, int y) override { return x >= 0 && y >= 0 ? hit : nullptr; }
  nsRect borderBoxInDocument(dom::Node& node) override { return nsRect(); }
  nsSize imageSize(dom::Element& element) override {
    auto found = images.find(&element);
    return found == images.end() ? nsSize() : found->second;
  }

  int flushes = 0;
  std::map<dom::Element*, OffsetBox> offsets;
  std::map<dom::Element*, ScrollBox> scrolls;
  std::map<dom::Element*, nsSize> images;
  dom::Element* hit = nullptr;
  nsPoint viewportScroll;
};

class FakeContainer final : public dom::DocumentContainer {
 public:
  nsIDocShell* docShell() override { return nullptr; }
  nsIDOMWindow* outerWindow() override { return nullptr; }
  nsIDOMWindow* innerWindow() override { return nullptr; }
  nsIScriptGlobalObject* scriptGlobal() override { return nullptr; }
  nsIPresShell* presShell() override { return nullptr; }
  dom::Document* parentDocument() override { return parent; }
  dom::Document* contentDocumentFor(dom::Element& frameElement) override {
    auto found = frames.find(&frameElement);
    return found == frames.end() ? nullptr : found->second;
  }
  bool hasFocus() override { return focused; }
  nsIntRect xulBoxOnScreen(dom::Element& element) override {
    auto found = boxes.find(&element);
    return found == boxes.end() ? nsIntRect() : found->second;
  }
  LayoutQuery* layout() override { return withLayout ? &fakeLayout : nullptr; }
  void documentChanged() override { ++changes; }
  void scrollElementIntoView(dom::Element& element, bool alignToTop) override {
    scrolledTo = &element;
    scrolledToTop = alignToTop;
  }

  void runInsertedScript(dom::HTMLScriptElement& script) override {
    ranScripts.push_back(script.text());
    if (onScript)
      onScript(script);
  }

  int changes = 0;
  std::vector<std::u16string> ranScripts;
  std::function<void(dom::HTMLScriptElement&)> onScript;
  bool focused = false;
  bool withLayout = true;
  dom::Document* parent = nullptr;
  std::map<dom::Element*, dom::Document*> frames;
  std::map<dom::Element*, nsIntRect> boxes;
  FakeLayout fakeLayout;
  dom::Element* scrolledTo = nullptr;
  bool scrolledToTop = false;
};

}  // namespace geckohost::testing

#endif
