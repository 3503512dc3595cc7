// Groups the changes made while it lives into one notification of the document's container:
// setting innerHTML or replacing a child is one change for layout, not one per node.
//
//   { MutationBatch batch(document); parent.removeChild(a); parent.appendChild(b); }
//   // the container hears documentChanged() once, here
#ifndef GECKOHOST_DOM_MUTATIONBATCH_H
#define GECKOHOST_DOM_MUTATIONBATCH_H

#include "dom/Document.h"
#include "dom/RefPtr.h"

namespace geckohost::dom {

class MutationBatch {
 public:
  // `document` may be null (a node whose document is gone): then there is nothing to batch.
  explicit MutationBatch(Document* document) : mDocument(document) {
    if (mDocument)
      mDocument->beginMutationBatch();
  }
  ~MutationBatch() {
    if (mDocument)
      mDocument->endMutationBatch();
  }
  MutationBatch(const MutationBatch&) = delete;
  MutationBatch& operator=(const MutationBatch&) = delete;

 private:
  RefPtr<Document> mDocument;  // kept alive so the batch can end even if the page lets go
};

}  // namespace geckohost::dom

#endif
