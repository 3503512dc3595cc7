// Implements the getter and setter of a DOM property backed by an attribute, as Gecko's
// NS_IMPL_*_ATTR macros do, by the reflection rules of Element:
//
//   GECKOHOST_IMPL_STRING_ATTR(HTMLAnchorElement, Rel, "rel")
//     -> GetRel(nsAString&) answers the attribute text, SetRel(const nsAString&) sets it.
//
// STRING: the text, "" when absent. BOOL: present or absent. INT/UINT: the number, the default
// when absent or unreadable. URI: resolved against the document's base URL.
#ifndef GECKOHOST_DOM_REFLECTIONMACROS_H
#define GECKOHOST_DOM_REFLECTIONMACROS_H

#include "dom/XPCOMHelpers.h"

#define GECKOHOST_IMPL_STRING_ATTR(_class, _method, _attr)           \
  NS_IMETHODIMP _class::Get##_method(nsAString& aValue) {            \
    ::geckohost::dom::setString(aValue, stringAttribute(u"" _attr)); \
    return NS_OK;                                                    \
  }                                                                  \
  NS_IMETHODIMP _class::Set##_method(const nsAString& aValue) {      \
    setStringAttribute(u"" _attr, ::geckohost::dom::toU16(aValue));  \
    return NS_OK;                                                    \
  }

#define GECKOHOST_IMPL_BOOL_ATTR(_class, _method, _attr)            \
  NS_IMETHODIMP _class::Get##_method(PRBool* aValue) {              \
    NS_ENSURE_ARG_POINTER(aValue);                                  \
    *aValue = ::geckohost::dom::toPRBool(boolAttribute(u"" _attr)); \
    return NS_OK;                                                   \
  }                                                                 \
  NS_IMETHODIMP _class::Set##_method(PRBool aValue) {               \
    setBoolAttribute(u"" _attr, aValue != PR_FALSE);                \
    return NS_OK;                                                   \
  }

#define GECKOHOST_IMPL_INT_ATTR(_class, _method, _attr, _default) \
  NS_IMETHODIMP _class::Get##_method(PRInt32* aValue) {           \
    NS_ENSURE_ARG_POINTER(aValue);                                \
    *aValue = intAttribute(u"" _attr, _default);                  \
    return NS_OK;                                                 \
  }                                                               \
  NS_IMETHODIMP _class::Set##_method(PRInt32 aValue) {            \
    setIntAttribute(u"" _attr, aValue);                           \
    return NS_OK;                                                 \
  }

#define GECKOHOST_IMPL_UINT_ATTR(_class, _method, _attr, _default) \
  NS_IMETHODIMP _class::Get##_method(PRUint32* aValue) {           \
    NS_ENSURE_ARG_POINTER(aValue);                                 \
    int32_t value = intAttribute(u"" _attr, _default);             \
    *aValue = PRUint32(value < 0 ? _default : value);              \
    return NS_OK;                                                  \
  }                                                                \
  NS_IMETHODIMP _class::Set##_method(PRUint32 aValue) {            \
    setIntAttribute(u"" _attr, int32_t(aValue));                   \
    return NS_OK;                                                  \
  }

#define GECKOHOST_IMPL_URI_ATTR(_class, _method, _attr)             \
  NS_IMETHODIMP _class::Get##_method(nsAString& aValue) {           \
    ::geckohost::dom::setString(aValue, urlAttribute(u"" _attr));   \
    return NS_OK;                                                   \
  }                                                                 \
  NS_IMETHODIMP _class::Set##_method(const nsAString& aValue) {     \
    setStringAttribute(u"" _attr, ::geckohost::dom::toU16(aValue)); \
    return NS_OK;                                                   \
  }

#endif
