// What a document answers through its container: frames' documents, focus and the active
// element, layout answers and scrolling, ready state, title, cookies through the jar.
#include "HostTestSupport.h"
#include "dom/CookieJar.h"
#include "dom/DocumentFragment.h"
#include "dom/FakeContainer.h"
#include "dom/HTMLFrameElement.h"
#include "dom/HTMLIFrameElement.h"
#include "dom/HTMLImageElement.h"
#include "dom/HTMLInputElement.h"

namespace geckohost::testing {
namespace {

using namespace dom;

class DocumentShellTest : public LeakCheckedTest {};

TEST_F(DocumentShellTest, FramesReachTheirDocumentsOnlyThroughAShownPage) {
  auto page = parsePage("<iframe id=f src=inner.html></iframe>");
  auto inner = parsePage("<p>inner</p>", "http://example.com/dir/inner.html");
  auto* frame = static_cast<HTMLIFrameElement*>(page->getElementById(u"f"));
  EXPECT_EQ(frame->contentDocument(), nullptr);
  EXPECT_EQ(u8(frame->src()), "http://example.com/dir/inner.html");

  FakeContainer container;
  container.frames[frame] = inner.get();
  page->setContainer(&container);
  EXPECT_EQ(frame->contentDocument(), inner.get());
  RefPtr<Element> keep = frame;
  frame->parentNode()->removeChild(*frame);
  EXPECT_EQ(frame->contentDocument(), nullptr);  // out of the tree, no frame shell
  page->setContainer(nullptr);
}

TEST_F(DocumentShellTest, FocusAndTheActiveElement) {
  auto page = parsePage(
      "<div id=d></div><span id=s tabindex=-1></span><input id=i><input id=h type=hidden>"
      "<a id=a href=x></a><a id=n></a>");
  EXPECT_EQ(page->activeElement(), page->body());  // nothing focused: the body
  auto focus = [&](const char16_t* id) {
    static_cast<HTMLElement*>(page->getElementById(id))->focus();
    return page->focusedElement() ? u8(page->focusedElement()->id()) : std::string("none");
  };
  EXPECT_EQ(focus(u"d"), "none");
  EXPECT_EQ(focus(u"h"), "none");
  EXPECT_EQ(focus(u"n"), "none");
  EXPECT_EQ(focus(u"s"), "s");
  EXPECT_EQ(focus(u"a"), "a");
  EXPECT_EQ(focus(u"i"), "i");
  EXPECT_EQ(page->activeElement(), page->getElementById(u"i"));
  EXPECT_EQ(static_cast<HTMLElement*>(page->getElementById(u"i"))->tabIndex(), 0);
  EXPECT_EQ(static_cast<HTMLElement*>(page->getElementById(u"d"))->tabIndex(), -1);

  // Taking the focused element out of the tree takes the focus away.
  Element* input = page->getElementById(u"i");
  RefPtr<Element> keep = input;
  input->parentNode()->removeChild(*input);
  EXPECT_EQ(page->focusedElement(), nullptr);
  EXPECT_EQ(page->activeElement(), page->body());
  page->setFocusedElement(keep.get());  // not in the document: refused
  EXPECT_EQ(page->focusedElement(), nullptr);

  EXPECT_FALSE(page->hasFocus());
  FakeContainer container;
  container.focused = true;
  page->setContainer(&container);
  EXPECT_TRUE(page->hasFocus());
  page->setContainer(nullptr);

  auto noBody = parsePage("<frameset><frame></frameset>");
  EXPECT_TRUE(static_cast<Element*>(noBody->activeElement())->isHTML(u"frameset"));
}

TEST_F(DocumentShellTest, LayoutAnswersAreZeroUntilThePageIsLaidOut) {
  auto page = parsePage("<img id=i><img id=w width=30 height=20><div id=d></div>");
  auto* image = static_cast<HTMLImageElement*>(page->getElementById(u"i"));
  auto* sized = static_cast<HTMLImageElement*>(page->getElementById(u"w"));
  Element* div = page->getElementById(u"d");
  EXPECT_EQ(image->offsetBox().width, 0);
  EXPECT_EQ(page->elementFromPoint(1, 1), nullptr);
  EXPECT_EQ(sized->width(), 30);

  FakeContainer container;
  page->setContainer(&container);
  container.fakeLayout.offsets[image] = OffsetBox{5, 6, 70, 80, div};
  container.fakeLayout.images[image] = nsSize(66, 76);
  container.fakeLayout.images[sized] = nsSize(66, 76);
  container.fakeLayout.hit = div;
  EXPECT_EQ(image->width(), 66);  // no attribute: the size its picture shows at
  EXPECT_EQ(image->height(), 76);
  EXPECT_EQ(sized->height(), 20);  // the attribute wins
  EXPECT_EQ(image->offsetBox().offsetParent, div);
  EXPECT_EQ(page->elementFromPoint(3, 3), div);
  EXPECT_EQ(page->elementFromPoint(-1, 3), nullptr);
  EXPECT_GT(container.fakeLayout.flushes, 0);  // answers come from up-to-date layout

  div->scrollTo(4, 9);
  EXPECT_EQ(div->scrollBox().scrollTop, 9);
  div->scrollIntoView(true);
  EXPECT_EQ(container.scrolledTo, div);
  EXPECT_TRUE(container.scrolledToTop);

  container.withLayout = false;
  EXPECT_EQ(image->width(), 0);
  page->setContainer(nullptr);
}

TEST_F(DocumentShellTest, TitleReadyStateAndDocumentFacts) {
  auto page = parsePage("<title>\n  My   page </title><title>second</title>",
                        "http://Example.COM:80/a/../b.html");
  EXPECT_EQ(u8(page->title()), "My page");
  page->setTitle(u"Renamed");
  EXPECT_EQ(u8(page->title()), "Renamed");
  EXPECT_EQ(u8(Document::readyStateName(page->readyState())), "interactive");
  page->setReadyState(ReadyState::Complete);
  EXPECT_EQ(u8(Document::readyStateName(page->readyState())), "complete");
  EXPECT_EQ(page->url().spec(), "http://example.com/b.html");
  EXPECT_EQ(u8(page->domain()), "example.com");
  EXPECT_EQ(u8(page->contentType()), "text/html");
  EXPECT_EQ(u8(page->compatMode()), "BackCompat");
  EXPECT_EQ(u8(parsePage("<!DOCTYPE html>")->compatMode()), "CSS1Compat");

  auto untitled = parsePage("<p>x</p>");
  EXPECT_EQ(u8(untitled->title()), "");
  untitled->setTitle(u"Made");
  EXPECT_EQ(u8(untitled->title()), "Made");
  EXPECT_TRUE(untitled->head()->firstElementChild()->isHTML(u"title"));
}

TEST_F(DocumentShellTest, InsertedScriptsRunOnceWhenTheInsertionIsComplete) {
  auto page = parsePage("<head></head><body><script id=parsed>p()</script><div id=d></div>");
  FakeContainer container;
  page->setContainer(&container);
  auto* parsed = static_cast<HTMLScriptElement*>(page->getElementById(u"parsed"));
  EXPECT_FALSE(parsed->alreadyStarted());  // the shell runs the page's own scripts at load
  parsed->markStarted();

  // A script and a div arrive together; when the script runs, the div is already there.
  DOMError error;
  RefPtr<DocumentFragment> fragment = page->createDocumentFragment();
  RefPtr<Element> script = page->createElement(u"script", error);
  static_cast<HTMLScriptElement*>(script.get())->setText(u"added()");
  RefPtr<Element> after = page->createElement(u"div", error);
  after->setAttribute(u"id", u"after");
  fragment->appendChild(*script);
  fragment->appendChild(*after);
  bool sawTheDiv = false;
  container.onScript = [&](HTMLScriptElement& running) {
    sawTheDiv = page->getElementById(u"after") != nullptr;
    running.parentNode()->removeChild(running);  // a script may take itself out
  };
  page->head()->appendChild(*fragment);
  ASSERT_EQ(container.ranScripts.size(), 1u);
  EXPECT_EQ(u8(container.ranScripts[0]), "added()");
  EXPECT_TRUE(sawTheDiv);
  container.onScript = nullptr;

  // Moving a script does not run it again; parsed and innerHTML scripts do not run.
  page->getElementById(u"d")->appendChild(*script);
  page->getElementById(u"d")->appendChild(*parsed);
  static_cast<HTMLElement*>(page->getElementById(u"d"))->setInnerHTML(u"<script>inner()</script>");
  EXPECT_EQ(container.ranScripts.size(), 1u);

  // A script inserted while the page is not shown waits; shown again, the next insertion runs it.
  page->setContainer(nullptr);
  RefPtr<Element> later = page->createElement(u"script", error);
  page->body()->appendChild(*later);
  EXPECT_FALSE(static_cast<HTMLScriptElement*>(later.get())->alreadyStarted());
  page->setContainer(&container);
  page->head()->appendChild(*later);
  EXPECT_EQ(container.ranScripts.size(), 2u);
  page->setContainer(nullptr);
}

class RecordingJar final : public CookieJar {
 public:
  std::u16string cookieStringFor(const net::URI& url) override {
    return dom::utf8ToUTF16(url.host()) + u":" + stored;
  }
  void setCookieStringFor(const net::URI& url, std::u16string_view cookie) override {
    stored = cookie;
  }
  std::u16string stored;
};

TEST_F(DocumentShellTest, CookiesGoThroughTheInstalledJar) {
  auto page = parsePage("", "http://shop.test/cart");
  page->setCookie(u"lost=1");
  EXPECT_EQ(u8(page->cookie()), "");
  RecordingJar jar;
  CookieJar::install(&jar);
  page->setCookie(u"a=1");
  EXPECT_EQ(u8(page->cookie()), "shop.test:a=1");
  CookieJar::install(nullptr);
  EXPECT_EQ(u8(page->cookie()), "");
}

}  // namespace
}  // namespace geckohost::testing
