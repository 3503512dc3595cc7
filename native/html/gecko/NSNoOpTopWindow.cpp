#include "NSNoOpTopWindow.h"

#include "HtmlStandardPropertySet.h"
#include "NSHtmlPropertyValue.h"
#include "NSObjectIdentity.h"
#include "nsIWidget.h"

namespace {
const unsigned int kClassId = 5;
const unsigned int kBoundsId = 14;
}  // namespace

bool CNSNoOpTopWindow::isNoOpTopWindow(long) {
  return false;
}

CNSNoOpTopWindow::CNSNoOpTopWindow(long windowHandle) {}

IHtmlPropertyValue* CNSNoOpTopWindow::getProperty(const char* canonicalName) {
  unsigned int id = CHtmlStandardPropertySet::getPropertyId(canonicalName);
  return id ? getProperty(id) : nullptr;
}

IHtmlPropertyValue* CNSNoOpTopWindow::getProperty(unsigned int propertyId) {
  switch (propertyId) {
    case kClassId:
      return new CNSHtmlPropertyValue("Html.NoOpTopWindow");
    case kBoundsId: {
      nsRect bounds = getScreenRectangle();
      return new CNSHtmlPropertyValue(bounds);
    }
    default:
      return nullptr;
  }
}

long long CNSNoOpTopWindow::getObject() {
  return NSPointerAsLongLong(m_nativeObject.get());
}

bool CNSNoOpTopWindow::getWidget(long, nsCOMPtr<nsIWidget>& widget) {
  widget = nullptr;
  return false;
}

nsRect CNSNoOpTopWindow::getScreenRectangle() {
  nsRect result;
  if (!m_widget)
    return result;
  nsIntRect bounds;
  if (NS_SUCCEEDED(m_widget->GetScreenBounds(bounds))) {
    result.SetRect(bounds.x, bounds.y, bounds.width, bounds.height);
  }
  return result;
}
