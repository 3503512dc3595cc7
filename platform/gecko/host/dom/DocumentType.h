// The document type declaration (<!DOCTYPE html>).
#ifndef GECKOHOST_DOM_DOCUMENTTYPE_H
#define GECKOHOST_DOM_DOCUMENTTYPE_H

#include "dom/Node.h"

namespace geckohost::dom {

class DocumentType final : public Node {
 public:
  DocumentType(Document& document, std::u16string_view name, std::u16string_view publicId,
               std::u16string_view systemId)
      : Node(NodeType::DocumentType, &document),
        mName(name),
        mPublicId(publicId),
        mSystemId(systemId) {}

  const std::u16string& name() const { return mName; }
  const std::u16string& publicId() const { return mPublicId; }
  const std::u16string& systemId() const { return mSystemId; }

  // Node
  std::u16string nodeName() const override { return mName; }

 protected:
  RefPtr<Node> cloneSelf(Document& document) const override {
    return new DocumentType(document, mName, mPublicId, mSystemId);
  }

 private:
  std::u16string mName;
  std::u16string mPublicId;
  std::u16string mSystemId;
};

}  // namespace geckohost::dom

#endif
