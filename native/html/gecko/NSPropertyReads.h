// Property values read through one getter of a Gecko element interface, the way every element
// class reports attributes: a string read that fails gives the empty string, a boolean is true
// only when Gecko answers exactly 1, an integer read that fails gives the caller's fallback.
// A null interface counts as a failed read.
//
//   NSStringRead(input.get(), &nsIDOMHTMLInputElement::GetName)      "q" or ""
//   NSBooleanRead(input.get(), &nsIDOMHTMLInputElement::GetChecked)  true or false
#ifndef NATIVE_HTML_GECKO_NSPROPERTYREADS_H
#define NATIVE_HTML_GECKO_NSPROPERTYREADS_H

#include "NSHtmlPropertyValue.h"
#include "nsStringAPI.h"

template <class Interface>
IHtmlPropertyValue* NSStringRead(Interface* object, nsresult (Interface::*getter)(nsAString&)) {
  nsString_external value;
  if (!object || NS_FAILED((object->*getter)(value)))
    value.Truncate();
  return new CNSHtmlPropertyValue(value);
}

template <class Interface>
IHtmlPropertyValue* NSBooleanRead(Interface* object, nsresult (Interface::*getter)(PRBool*)) {
  PRBool value = PR_FALSE;
  if (!object || NS_FAILED((object->*getter)(&value)))
    value = PR_FALSE;
  return new CNSHtmlPropertyValue(value == 1);
}

template <class Interface, class Number>
IHtmlPropertyValue* NSIntegerRead(Interface* object, nsresult (Interface::*getter)(Number*),
                                  int fallback = 0) {
  Number value = 0;
  if (!object || NS_FAILED((object->*getter)(&value)))
    return new CNSHtmlPropertyValue(fallback);
  return new CNSHtmlPropertyValue(static_cast<int>(value));
}

// The text of a value the agent passed in; the empty string when it carries none.
inline nsString_external NSValueText(IHtmlPropertyValue* value) {
  const unsigned short* text = value ? value->string() : nullptr;
  nsString_external result;
  if (text)
    result.Assign(reinterpret_cast<const PRUnichar*>(text));
  return result;
}

// A count written in an attribute, read as HTML reads non-negative integers: white space
// first, then decimal digits, the rest ignored. " 12px" -> 12; "", "-3" and "x" -> 0; a number
// too large for an int -> INT_MAX.
int NSDecimalAttributeValue(const nsAString& text);

#endif
