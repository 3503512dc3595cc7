// The weak link from nodes to their owner document. Every node of a document shares the one
// link; the document clears it when it dies, so a node that outlives its document (a removed
// element the product still holds) sees no document instead of a dangling pointer. This is
// what Gecko's node-info manager does with its document pointer.
#ifndef GECKOHOST_DOM_DOCUMENTLINK_H
#define GECKOHOST_DOM_DOCUMENTLINK_H

#include <cstdint>

namespace geckohost::dom {

class Document;

class DocumentLink {
 public:
  explicit DocumentLink(Document* document) : mDocument(document) {}
  DocumentLink(const DocumentLink&) = delete;
  DocumentLink& operator=(const DocumentLink&) = delete;

  Document* document() const { return mDocument; }
  void clear() { mDocument = nullptr; }

  // Counted by the nodes that share it; not a DOM object, so not in LiveObjects.
  void addRef() { ++mCount; }
  void release() {
    if (--mCount == 0)
      delete this;
  }

 private:
  ~DocumentLink() = default;

  uint32_t mCount = 0;
  Document* mDocument;  // weak; the document clears it in its destructor
};

}  // namespace geckohost::dom

#endif
