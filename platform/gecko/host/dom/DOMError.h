// Failures of DOM operations as plain values; the XPCOM layer turns them into Gecko's codes.
#ifndef GECKOHOST_DOM_DOMERROR_H
#define GECKOHOST_DOM_DOMERROR_H

#include "nsError.h"

namespace geckohost::dom {

enum class DOMError {
  None,
  IndexSize,         // an offset or index beyond the data or the list
  HierarchyRequest,  // the node may not go there (an ancestor, a second root, text in a document)
  WrongDocument,
  InvalidCharacter,  // a name that is not an XML name
  NotFound,          // the reference node is not a child, the attribute is not this element's
  NotSupported,
  InUseAttribute,  // the attribute node belongs to another element
  Namespace,       // a prefix without a namespace, "xml" bound elsewhere
};

inline nsresult toNsresult(DOMError error) {
  switch (error) {
    case DOMError::None:
      return NS_OK;
    case DOMError::IndexSize:
      return NS_ERROR_DOM_INDEX_SIZE_ERR;
    case DOMError::HierarchyRequest:
      return NS_ERROR_DOM_HIERARCHY_REQUEST_ERR;
    case DOMError::WrongDocument:
      return NS_ERROR_DOM_WRONG_DOCUMENT_ERR;
    case DOMError::InvalidCharacter:
      return NS_ERROR_DOM_INVALID_CHARACTER_ERR;
    case DOMError::NotFound:
      return NS_ERROR_DOM_NOT_FOUND_ERR;
    case DOMError::NotSupported:
      return NS_ERROR_DOM_NOT_SUPPORTED_ERR;
    case DOMError::InUseAttribute:
      return NS_ERROR_GENERATE_FAILURE(NS_ERROR_MODULE_DOM, 10);
    case DOMError::Namespace:
      return NS_ERROR_GENERATE_FAILURE(NS_ERROR_MODULE_DOM, 14);
  }
  return NS_ERROR_FAILURE;
}

}  // namespace geckohost::dom

#endif
