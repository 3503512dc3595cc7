// The product's own X connection dies while the browser goes on: the X server closed it, or
// the server went away. Xlib would meet the dead connection by calling the process's I/O error
// handler (the browser's; by default it exits) or die of SIGPIPE writing to it; the product
// must notice first and answer without the display. A program of its own: the connection stays
// dead for the rest of the process.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <set>
#include <string>

#include "PageAgentFixture.h"

namespace {

// The descriptors of this process that are sockets.
std::set<int> openSockets() {
  std::set<int> sockets;
  for (int fd = 0; fd < 1024; ++fd) {
    struct stat info;
    if (fstat(fd, &info) == 0 && S_ISSOCK(info.st_mode))
      sockets.insert(fd);
  }
  return sockets;
}

class DisplayLossTest : public PageAgentFixture {
 protected:
  // The product opens its display while it loads: the one socket that appears then is it.
  static void SetUpTestSuite() {
    PageAgentFixture::SetUpTestSuite();
    std::set<int> before = openSockets();
    library();
    for (int fd : openSockets()) {
      if (!before.count(fd))
        s_productConnection = fd;
    }
  }

  static size_t count(const std::string& text, const std::string& what) {
    size_t found = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
      ++found;
    return found;
  }

  static int s_productConnection;
};

int DisplayLossTest::s_productConnection = -1;

TEST_F(DisplayLossTest, AfterItsConnectionDiesTheProductAnswersWithoutTheDisplay) {
  ASSERT_GE(s_productConnection, 0) << "no display connection of the product's found";
  ASSERT_TRUE(show("<p id=p style='width:100px;height:20px'>text</p>"));
  const long handle = static_cast<long>(m_window->topLevelWindow());
  {
    CHtmlObjectPtr<IHtmlPropertyValue> window = m_browser->getProperty(".window");
    ASSERT_TRUE(window);
    ASSERT_EQ(window->longValue(), handle);
  }

  // The server sees the client go, and the client's reads see the end of the stream: as when
  // the server closes the connection.
  ASSERT_EQ(shutdown(s_productConnection, SHUT_RDWR), 0);

  // The handle cannot be matched without the display: nothing is found, twice.
  for (int again = 0; again < 2; ++again) {
    CHtmlObjectPtr<IHtmlTopLevelElement> found = domain->getTopLevelObject(handle);
    EXPECT_EQ(found, nullptr);
    EXPECT_FALSE(domain->isBrowserWindow(handle));
  }
  // Objects the agent holds answer what needs no display, and 0 for the window handle.
  {
    CHtmlObjectPtr<IHtmlPropertyValue> window = m_browser->getProperty(".window");
    EXPECT_TRUE(!window || window->longValue() == 0);
  }
  CHtmlObjectPtr<IHtmlElement> p = byId("p");
  ASSERT_TRUE(p);
  EXPECT_EQ(stringProperty(p, ".tag"), "P");
  HtmlRectangle bounds = rectProperty(p, ".bounds");
  EXPECT_EQ(bounds.width, 100);
  CHtmlObjectPtr<IHtmlElement> hit = m_browser->getChildAtPoint(bounds.x + 1, bounds.y + 1);
  EXPECT_EQ(hit ? stringProperty(hit, ".tag") : "(none)", "P");
  for (unsigned int id = 1; id <= 80; ++id) {
    CHtmlObjectPtr<IHtmlPropertyValue> browserValue = m_browser->getProperty(id);
    CHtmlObjectPtr<IHtmlPropertyValue> documentValue = m_document->getProperty(id);
  }
  CHtmlObjectPtr<IHtmlEnumerator> tops = domain->enumBrowsers();
  while (tops && tops->hasMoreElements()) {
    CHtmlObjectPtr<IHtmlElement> top = static_cast<IHtmlElement*>(tops->nextElement());
  }

  // Said once in the trace, however often the display was wanted since.
  EXPECT_EQ(count(traceOfTest(), "The connection to the X display was lost"), 1u) << traceOfTest();
  // The program goes on to exit normally, where the product no longer closes the connection.
}

}  // namespace
