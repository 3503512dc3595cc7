#include "NSHtmlStandardPropertyEnumerator.h"

#include "HtmlProperty.h"
#include "nsStringAPI.h"

IHtmlProperty* CNSHtmlStandardPropertyEnumerator::createProperty(
    const char* canonicalName, CHtmlObjectPtr<IHtmlPropertyValue>& value) {
  NS_ConvertUTF8toUTF16 name(canonicalName);
  return new CHtmlProperty(name.get(), value);
}
