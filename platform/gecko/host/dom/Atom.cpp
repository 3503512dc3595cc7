#include "dom/Atom.h"

#include <unordered_map>

#include "dom/DOMStrings.h"
#include "dom/XPCOMHelpers.h"

namespace geckohost::dom {

namespace {

// Keys view the atoms' own text, which lives as long as the atoms: for the whole process.
std::unordered_map<std::u16string_view, Atom*>& table() {
  static auto* atoms = new std::unordered_map<std::u16string_view, Atom*>();
  return *atoms;
}

}  // namespace

Atom* Atom::get(std::u16string_view text) {
  auto& atoms = table();
  auto found = atoms.find(text);
  if (found != atoms.end())
    return found->second;
  auto* atom = new Atom(text);
  atoms.emplace(atom->mText, atom);
  return atom;
}

Atom::Atom(std::u16string_view text)
    : XPCOMObject(Counting::ProcessLifetime), mText(text), mUTF8(utf16ToUTF8(text)) {}

NS_IMETHODIMP Atom::ToString(nsAString& _retval) {
  setString(_retval, mText);
  return NS_OK;
}

NS_IMETHODIMP Atom::ToUTF8String(nsACString& _retval) {
  _retval.Assign(mUTF8.data(), PRUint32(mUTF8.size()));
  return NS_OK;
}

NS_IMETHODIMP Atom::GetUTF8String(const char** aResult) {
  NS_ENSURE_ARG_POINTER(aResult);
  *aResult = mUTF8.c_str();
  return NS_OK;
}

NS_IMETHODIMP Atom::Equals(const nsAString& aString, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = viewOf(aString) == mText;
  return NS_OK;
}

NS_IMETHODIMP Atom::EqualsUTF8(const nsACString& aString, PRBool* _retval) {
  NS_ENSURE_ARG_POINTER(_retval);
  *_retval = std::string_view(aString.BeginReading(), aString.Length()) == mUTF8;
  return NS_OK;
}

}  // namespace geckohost::dom
