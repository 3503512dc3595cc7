// The reference count and liveness accounting shared by every DOM object (nodes, node lists,
// attribute maps). The count starts at 0, as in Gecko: whoever first holds the object takes the
// first reference, and the last release deletes it.
//
//   RefPtr<Text> text = new Text(document, u"a");   // count 1
//   text->release() from elsewhere would delete it at 0.
//
// Every instance is counted in LiveObjects, so a test that drops all it holds sees the count
// return to where it started.
#ifndef GECKOHOST_DOM_COUNTEDOBJECT_H
#define GECKOHOST_DOM_COUNTEDOBJECT_H

#include <cstdint>

#include "LiveObjects.h"

namespace geckohost::dom {

class CountedObject {
 public:
  CountedObject(const CountedObject&) = delete;
  CountedObject& operator=(const CountedObject&) = delete;

  uint32_t addRef() { return ++mRefCnt; }

  uint32_t release() {
    uint32_t count = --mRefCnt;
    if (count == 0)
      delete this;
    return count;
  }

  uint32_t referenceCountForTesting() const { return mRefCnt; }

 protected:
  CountedObject() { LiveObjects::added(); }
  virtual ~CountedObject() { LiveObjects::removed(); }

 private:
  uint32_t mRefCnt = 0;
};

}  // namespace geckohost::dom

#endif
