#include "NSHtmlDialogControl.h"

#include "HtmlStandardPropertyIds.h"
#include "HtmlStandardPropertySet.h"
#include "NSHtmlDialog.h"
#include "NSHtmlElement.h"
#include "NSHtmlNativePropertyEnumerator.h"
#include "NSHtmlPropertyValue.h"
#include "NSHtmlStandardPropertyEnumerator.h"
#include "NSObjectIdentity.h"
#include "nsComponentManagerUtils.h"
#include "nsIAccessible.h"
#include "nsIAccessibleRetrieval.h"
#include "nsIDOMAttr.h"
#include "nsIDOMElement.h"

namespace {

enum ReportLine : unsigned int {
  kLineGetParent = 360,
  kLineGetPropertyById = 380,
  kLineGetNativeProperty = 420,
  kLineGetObject = 450,
  kLineIsPointInObject = 470,
  kLineGetProperties = 490,
  kLineGetNativeProperties = 500,
};

}  // namespace

CNSHtmlDialogControl::CNSHtmlDialogControl(nsCOMPtr<nsIDOMNode>& node, CNSHtmlDialog* dialog)
    : m_node(node), m_dialog(dialog) {
  if (m_dialog)
    m_dialog->addRef();
}

CNSHtmlDialogControl::~CNSHtmlDialogControl() {
  if (m_dialog)
    m_dialog->release();
}

IHtmlElement* CNSHtmlDialogControl::getParent() {
  try {
    if (m_dialog)
      m_dialog->addRef();
    return m_dialog;
  } catch (...) {
    CNSHtmlDialog::reportException(kLineGetParent);
  }
  return nullptr;
}

nsString_external CNSHtmlDialogControl::getClass() {
  nsString_external name;
  if (m_node)
    m_node->GetLocalName(name);
  nsString_external cls;
  cls.AssignLiteral("Html.");
  if (name.LowerCaseEqualsLiteral("button") || name.LowerCaseEqualsLiteral("checkbox") ||
      name.LowerCaseEqualsLiteral("radio")) {
    cls.AppendLiteral("DialogButton");
  } else if (name.LowerCaseEqualsLiteral("html") || name.LowerCaseEqualsLiteral("description")) {
    cls.AppendLiteral("DialogStatic");
  } else if (name.LowerCaseEqualsLiteral("textbox")) {
    cls.AppendLiteral("DialogEdit");
  }
  return cls;
}

nsString_external CNSHtmlDialogControl::getDialogText() {
  nsString_external value;
  nsCOMPtr<nsIDOMElement> element = do_QueryInterface(m_node);
  if (element && NS_FAILED(element->GetAttribute(NS_LITERAL_STRING("value"), value)))
    value.Truncate();
  return value;
}

bool CNSHtmlDialogControl::getText(nsString_external& text) {
  return CNSHtmlElement::getText(m_node, text);
}

IHtmlPropertyValue* CNSHtmlDialogControl::textValue() {
  nsString_external cls = getClass();
  if (cls.EqualsLiteral("Html.DialogButton"))
    return getNativeProperty("label");
  if (cls.EqualsLiteral("Html.DialogEdit"))
    return new CNSHtmlPropertyValue(getDialogText());
  nsString_external text;
  getText(text);
  return new CNSHtmlPropertyValue(text);
}

IHtmlPropertyValue* CNSHtmlDialogControl::getProperty(unsigned int id) {
  try {
    switch (id) {
      case PROP_class:
        return new CNSHtmlPropertyValue(getClass());
      case PROP_text:
        return textValue();
      case PROP_bounds:
        return new CNSHtmlPropertyValue(getScreenRect());
      case PROP_uniqueId:
        return new CNSHtmlPropertyValue(NSIdentityText(getObject()));
      default:
        return nullptr;
    }
  } catch (...) {
    CNSHtmlDialog::reportException(kLineGetPropertyById);
  }
  return nullptr;
}

IHtmlPropertyValue* CNSHtmlDialogControl::getProperty(const char* name) {
  if (!name)
    return nullptr;
  unsigned int id = CHtmlStandardPropertySet::getPropertyId(name);
  return id ? getProperty(id) : getNativeProperty(name);
}

IHtmlPropertyValue* CNSHtmlDialogControl::getNativeProperty(const char* name) {
  if (!name)
    return nullptr;
  try {
    nsCOMPtr<nsIDOMElement> element = do_QueryInterface(m_node);
    nsCOMPtr<nsIDOMAttr> attribute;
    if (element)
      element->GetAttributeNode(NS_ConvertUTF8toUTF16(name), getter_AddRefs(attribute));
    nsString_external value;
    if (!attribute || NS_FAILED(attribute->GetValue(value)))
      return nullptr;
    return new CNSHtmlPropertyValue(value);
  } catch (...) {
    CNSHtmlDialog::reportException(kLineGetNativeProperty);
  }
  return nullptr;
}

long long CNSHtmlDialogControl::getObject() {
  try {
    return NSIdentityOf(m_node);
  } catch (...) {
    CNSHtmlDialog::reportException(kLineGetObject);
  }
  return 0;
}

nsRect CNSHtmlDialogControl::getScreenRect() {
  nsRect rect(0, 0, 0, 0);
  nsCOMPtr<nsIAccessibleRetrieval> retrieval =
      do_CreateInstance(NS_ACCESSIBLE_RETRIEVAL_CONTRACTID);
  nsCOMPtr<nsIAccessible> accessible;
  if (retrieval && m_node)
    retrieval->GetAccessibleFor(m_node, getter_AddRefs(accessible));
  if (!accessible)
    return rect;
  PRInt32 x = 0, y = 0, width = 0, height = 0;
  if (NS_SUCCEEDED(accessible->GetBounds(&x, &y, &width, &height)))
    rect.SetRect(x, y, width, height);
  return rect;
}

bool CNSHtmlDialogControl::isPointInObject(int x, int y) {
  try {
    nsRect r = getScreenRect();
    return r.x <= x && x < r.x + r.width && r.y <= y && y < r.y + r.height;
  } catch (...) {
    CNSHtmlDialog::reportException(kLineIsPointInObject);
  }
  return false;
}

IHtmlEnumerator* CNSHtmlDialogControl::getProperties() {
  try {
    return new CNSHtmlStandardPropertyEnumerator(this);
  } catch (...) {
    CNSHtmlDialog::reportException(kLineGetProperties);
  }
  return nullptr;
}

IHtmlEnumerator* CNSHtmlDialogControl::getNativeProperties() {
  try {
    nsCOMPtr<nsIDOMElement> element = do_QueryInterface(m_node);
    return element ? new CNSHtmlNativePropertyEnumerator(m_node) : nullptr;
  } catch (...) {
    CNSHtmlDialog::reportException(kLineGetNativeProperties);
  }
  return nullptr;
}
