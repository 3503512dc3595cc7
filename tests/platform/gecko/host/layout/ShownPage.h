// A page shown the way the document shell shows one, for layout tests: parsed from inline
// markup (at a URL of the test's choosing), given a container that owns its DocumentLayout
// (documentChanged marks it dirty, scrollElementIntoView scrolls it), at a viewport size and
// zoom of the test's choosing. Its pictures load as the host loads them, from `pages` (the
// test's page table) or from files.
#ifndef TESTS_PLATFORM_GECKO_HOST_LAYOUT_SHOWNPAGE_H
#define TESTS_PLATFORM_GECKO_HOST_LAYOUT_SHOWNPAGE_H

#include <memory>
#include <string>
#include <string_view>

#include "HostTestSupport.h"
#include "PageLoader.h"
#include "PageTable.h"
#include "dom/DocumentContainer.h"
#include "dom/Element.h"
#include "dom/HTMLElement.h"
#include "layout/DocumentLayout.h"

namespace geckohost::testing {

class LayoutContainer final : public dom::DocumentContainer {
 public:
  LayoutContainer(dom::Document& document, const PageTable& pages)
      : loader(pages), pageLayout(document, [this](const std::string& url, size_t maxBytes) {
          return loader.loadBytes(url, maxBytes);
        }) {}

  nsIDocShell* docShell() override { return nullptr; }
  nsIDOMWindow* outerWindow() override { return nullptr; }
  nsIDOMWindow* innerWindow() override { return nullptr; }
  nsIScriptGlobalObject* scriptGlobal() override { return nullptr; }
  nsIPresShell* presShell() override { return nullptr; }
  dom::Document* parentDocument() override { return nullptr; }
  dom::Document* contentDocumentFor(dom::Element&) override { return nullptr; }
  bool hasFocus() override { return false; }
  nsIntRect xulBoxOnScreen(dom::Element&) override { return nsIntRect(); }
  LayoutQuery* layout() override { return &pageLayout; }
  void documentChanged() override {
    ++changes;
    pageLayout.markDirty();
  }
  void scrollElementIntoView(dom::Element& element, bool alignToTop) override {
    pageLayout.scrollIntoView(element, alignToTop);
  }

  PageLoader loader;
  layout::DocumentLayout pageLayout;
  int changes = 0;
};

class ShownPage {
 public:
  explicit ShownPage(std::string_view markup, nsIntSize viewport = nsIntSize(800, 600),
                     double zoom = 1.0, const char* address = "http://example.com/dir/p.html")
      : document(parsePage(markup, address)),
        container(std::make_unique<LayoutContainer>(*document, pages)) {
    container->pageLayout.setViewportSize(viewport);
    container->pageLayout.setZoom(zoom);
    document->setContainer(container.get());
  }
  ~ShownPage() { document->setContainer(nullptr); }
  ShownPage(const ShownPage&) = delete;
  ShownPage& operator=(const ShownPage&) = delete;

  layout::DocumentLayout& layout() { return container->pageLayout; }
  dom::Element* byId(const char16_t* id) { return document->getElementById(id); }
  // The element's offsets as the DOM reports them.
  OffsetBox offsets(const char16_t* id) { return byId(id)->offsetBox(); }
  ScrollBox scrolls(const char16_t* id) { return byId(id)->scrollBox(); }

  PageTable pages;
  RefPtr<dom::HTMLDocument> document;
  std::unique_ptr<LayoutContainer> container;
};

}  // namespace geckohost::testing

#endif
