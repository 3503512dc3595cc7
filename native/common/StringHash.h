#ifndef NSHTML_COMMON_STRINGHASH_H
#define NSHTML_COMMON_STRINGHASH_H

#include "Hashtable.h"

// Sorted table from string keys to string values; both are copied in and owned by the table.
// A null value is stored as the empty text.
class StringHash : public Hashtable<char*, char*> {
 public:
  explicit StringHash(int capacity);
  ~StringHash() override;

  // Frees every key and value; the array and its capacity stay.
  void ClearAll();

  // Hashtable:
  char* Allocate(const char* value) override;
  void DeAllocate(char* value) override;
  void Copy(char** slot, const char* value) override;
  int Compare(const char* a, const char* b) override;
  char* AllocateKey(const char* key) override;
  void DeAllocateKey(char* key) override;
  void CopyKey(char* destination, const char* source) override;
};

#endif  // NSHTML_COMMON_STRINGHASH_H
