// nsTArray<E>: Gecko's growable array, with its method names, over std::vector.
#ifndef nsTArray_h__
#define nsTArray_h__

#include <algorithm>
#include <vector>

#include "nscore.h"

template <class E>
class nsTArray {
 public:
  typedef E elem_type;
  typedef PRUint32 index_type;
  typedef PRUint32 size_type;
  static constexpr index_type NoIndex = index_type(-1);

  nsTArray() = default;
  explicit nsTArray(size_type aCapacity) { mElements.reserve(aCapacity); }

  size_type Length() const { return size_type(mElements.size()); }
  PRBool IsEmpty() const { return mElements.empty(); }
  size_type Capacity() const { return size_type(mElements.capacity()); }

  // Precondition: aIndex < Length().
  E& ElementAt(index_type aIndex) { return mElements[aIndex]; }
  const E& ElementAt(index_type aIndex) const { return mElements[aIndex]; }
  E& operator[](index_type aIndex) { return mElements[aIndex]; }
  const E& operator[](index_type aIndex) const { return mElements[aIndex]; }
  E& LastElement() { return mElements.back(); }
  const E& LastElement() const { return mElements.back(); }
  // The element at aIndex, or aDefault past the end.
  E SafeElementAt(index_type aIndex, const E& aDefault) const {
    return aIndex < Length() ? mElements[aIndex] : aDefault;
  }
  E* Elements() { return mElements.data(); }
  const E* Elements() const { return mElements.data(); }

  template <class Item>
  index_type IndexOf(const Item& aItem, index_type aStart = 0) const {
    for (index_type i = aStart; i < Length(); ++i) {
      if (mElements[i] == aItem)
        return i;
    }
    return NoIndex;
  }
  template <class Item>
  PRBool Contains(const Item& aItem) const {
    return IndexOf(aItem) != NoIndex;
  }

  E* AppendElement() {
    mElements.emplace_back();
    return &mElements.back();
  }
  template <class Item>
  E* AppendElement(const Item& aItem) {
    mElements.push_back(aItem);
    return &mElements.back();
  }
  template <class Item>
  E* AppendElements(const Item* aArray, size_type aCount) {
    size_type start = Length();
    mElements.insert(mElements.end(), aArray, aArray + aCount);
    return mElements.data() + start;
  }
  E* AppendElements(const nsTArray<E>& aOther) {
    return AppendElements(aOther.Elements(), aOther.Length());
  }
  // Precondition: aIndex <= Length().
  template <class Item>
  E* InsertElementAt(index_type aIndex, const Item& aItem) {
    return &*mElements.insert(mElements.begin() + aIndex, aItem);
  }

  void RemoveElementsAt(index_type aStart, size_type aCount) {
    mElements.erase(mElements.begin() + aStart, mElements.begin() + aStart + aCount);
  }
  void RemoveElementAt(index_type aIndex) { RemoveElementsAt(aIndex, 1); }
  template <class Item>
  PRBool RemoveElement(const Item& aItem) {
    index_type i = IndexOf(aItem);
    if (i == NoIndex)
      return PR_FALSE;
    RemoveElementAt(i);
    return PR_TRUE;
  }
  void Clear() { mElements.clear(); }
  PRBool SetLength(size_type aNewLength) {
    mElements.resize(aNewLength);
    return PR_TRUE;
  }
  void SwapElements(nsTArray<E>& aOther) { mElements.swap(aOther.mElements); }
  void Sort() { std::sort(mElements.begin(), mElements.end()); }

 private:
  std::vector<E> mElements;
};

template <class E, PRUint32 N>
class nsAutoTArray : public nsTArray<E> {
 public:
  nsAutoTArray() : nsTArray<E>(N) {}
};

#endif
