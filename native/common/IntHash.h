#ifndef NSHTML_COMMON_INTHASH_H
#define NSHTML_COMMON_INTHASH_H

#include "Hashtable.h"

// Sorted table from string keys to int values, such as facility name -> level.
class IntHash : public Hashtable<char*, int> {
 public:
  explicit IntHash(int capacity);
  ~IntHash() override;

  // Hashtable:
  int Allocate(int value) override;
  void DeAllocate(int value) override;
  void Copy(int* slot, int value) override;
  int Compare(const char* a, const char* b) override;
  char* AllocateKey(const char* key) override;
  void DeAllocateKey(char* key) override;
  void CopyKey(char* destination, const char* source) override;
};

#endif  // NSHTML_COMMON_INTHASH_H
