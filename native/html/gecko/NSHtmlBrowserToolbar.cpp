#include "NSHtmlBrowserToolbar.h"

#include <cstdio>

#include "HtmlStandardPropertySet.h"
#include "NSHtmlBrowser.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSObjectIdentity.h"
#include "Tracer.h"
#include "nsIBoxObject.h"
#include "nsIDOMXULElement.h"
#include "nsIXULWindow.h"

namespace {

const char kModule[] = "NSHtmlBrowserToolbar";

enum PropertyId : unsigned int {
  kName = 3,
  kClass = 5,
  kBounds = 14,
  kUniqueId = 15,
  kDisabled = 26,
};

enum ReportLine : unsigned int {
  kLineGetPropertyByName = 87,
  kLineGetPropertyById = 179,
  kLineGetObject = 221,
  kLineGetScreenRect = 263,
};

}  // namespace

void CNSHtmlBrowserToolbar::reportError(const char* message, unsigned int line) {
  CTracer::debugTrace("%s %s:%d\n", message, kModule, line);
}

void CNSHtmlBrowserToolbar::reportException(unsigned int line) {
  reportError("Unknown exception", line);
}

CNSHtmlBrowserToolbar::CNSHtmlBrowserToolbar(nsCOMPtr<nsIDOMXULElement> element,
                                             nsCOMPtr<nsIXULWindow> window)
    : m_element(element), m_window(window) {}

CNSHtmlBrowserToolbar::~CNSHtmlBrowserToolbar() = default;

IHtmlElement* CNSHtmlBrowserToolbar::getParent() {
  return new CNSHtmlBrowser(m_window);
}

IHtmlPropertyValue* CNSHtmlBrowserToolbar::getProperty(const char* name) {
  if (!name)
    return nullptr;
  try {
    unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
    return id ? getProperty(id) : nullptr;
  } catch (...) {
    reportException(kLineGetPropertyByName);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlBrowserToolbar::getProperty(unsigned int id) {
  try {
    switch (id) {
      case kName: {
        if (!m_element)
          return nullptr;
        nsString_external value;
        m_element->GetAttribute(NS_LITERAL_STRING("id"), value);
        return new CNSHtmlPropertyValue(value);
      }
      case kClass:
        return new CNSHtmlPropertyValue("Html.HtmlBrowser.ToolbarButton");
      case kBounds: {
        nsRect bounds = getScreenRect();
        return new CNSHtmlPropertyValue(bounds);
      }
      case kUniqueId:
        return new CNSHtmlPropertyValue(NSIdentityText(getObject()));
      case kDisabled: {
        if (!m_element)
          return nullptr;
        nsString_external value;
        m_element->GetAttribute(NS_LITERAL_STRING("disabled"), value);
        return new CNSHtmlPropertyValue(static_cast<bool>(value.EqualsLiteral("true")));
      }
      default:
        return nullptr;
    }
  } catch (...) {
    reportException(kLineGetPropertyById);
  }
  return nullptr;
}

bool CNSHtmlBrowserToolbar::isPointInObject(int x, int y) {
  nsRect r = getScreenRect();
  return r.x <= x && x <= r.x + r.width && r.y <= y && y <= r.y + r.height;
}

long long CNSHtmlBrowserToolbar::getObject() {
  try {
    return NSIdentityOf(m_element);
  } catch (...) {
    reportException(kLineGetObject);
  }
  return 0;
}

IHtmlEnumerator* CNSHtmlBrowserToolbar::getProperties() {
  return new CNSHtmlStandardPropertyEnumerator(this);
}

nsRect CNSHtmlBrowserToolbar::getScreenRect() {
  nsRect result;
  try {
    nsCOMPtr<nsIBoxObject> box;
    if (!m_element || NS_FAILED(m_element->GetBoxObject(getter_AddRefs(box))) || !box) {
      return result;
    }
    PRInt32 x = 0, y = 0, width = 0, height = 0;
    box->GetScreenX(&x);
    box->GetScreenY(&y);
    box->GetWidth(&width);
    box->GetHeight(&height);
    result.SetRect(x, y, width, height);
  } catch (...) {
    reportException(kLineGetScreenRect);
  }
  return result;
}
