#include "WindowCollection.h"

#include "DocShell.h"
#include "OuterWindow.h"
#include "UnicodeText.h"
#include "nsError.h"

namespace geckohost {

WindowCollection::WindowCollection(DocShell& shell) : mShell(&shell) {}

WindowCollection::~WindowCollection() = default;

NS_IMETHODIMP WindowCollection::GetLength(PRUint32* aLength) {
  if (!aLength)
    return NS_ERROR_NULL_POINTER;
  *aLength = static_cast<PRUint32>(mShell->children().size());
  return NS_OK;
}

NS_IMETHODIMP WindowCollection::Item(PRUint32 index, nsIDOMWindow** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  const auto& frames = mShell->children();
  if (index < frames.size()) {
    *_retval = frames[index]->outer();
    NS_IF_ADDREF(*_retval);
  }
  return NS_OK;  // out of range: null, as Gecko answers
}

NS_IMETHODIMP WindowCollection::NamedItem(const nsAString& name, nsIDOMWindow** _retval) {
  if (!_retval)
    return NS_ERROR_NULL_POINTER;
  *_retval = nullptr;
  std::u16string wanted = u16FromString(name);
  for (const auto& frame : mShell->children()) {
    if (!wanted.empty() && frame->name() == wanted) {
      *_retval = frame->outer();
      NS_IF_ADDREF(*_retval);
      break;
    }
  }
  return NS_OK;
}

}  // namespace geckohost
