// The host's atom table, for the names of content nodes. Every distinct text has one atom, made on
// first use and kept for the rest of the process (Gecko's permanent atoms): reference counting does
// nothing, and an atom pointer stays valid wherever it was handed.
//
//   Atom::get(u"td") == Atom::get(u"td")   // same object
#ifndef GECKOHOST_DOM_ATOM_H
#define GECKOHOST_DOM_ATOM_H

#include <string>
#include <string_view>

#include "XPCOMObject.h"
#include "nsIAtom.h"

namespace geckohost::dom {

class Atom final : public XPCOMObject<nsIAtom> {
 public:
  static Atom* get(std::u16string_view text);

  const std::u16string& text() const { return mText; }

  NS_IMETHOD_(nsrefcnt) AddRef() override { return 2; }
  NS_IMETHOD_(nsrefcnt) Release() override { return 1; }

  // nsIAtom
  NS_IMETHOD ToString(nsAString& _retval) override;
  NS_IMETHOD ToUTF8String(nsACString& _retval) override;
  NS_IMETHOD GetUTF8String(const char** aResult) override;
  NS_IMETHOD Equals(const nsAString& aString, PRBool* _retval) override;
  NS_IMETHOD EqualsUTF8(const nsACString& aString, PRBool* _retval) override;

 private:
  explicit Atom(std::u16string_view text);

  std::u16string mText;
  std::string mUTF8;
};

}  // namespace geckohost::dom

#endif
