#include "IntHash.h"

#include <cstring>

IntHash::IntHash(int capacity) : Hashtable<char*, int>(capacity) {}

IntHash::~IntHash() {
  ReleaseEntries();
}

int IntHash::Allocate(int value) {
  return value;
}

void IntHash::DeAllocate(int) {}

void IntHash::Copy(int* slot, int value) {
  *slot = value;
}

int IntHash::Compare(const char* a, const char* b) {
  return strcmp(a, b);
}

char* IntHash::AllocateKey(const char* key) {
  return new char[strlen(key) + 1];
}

void IntHash::DeAllocateKey(char* key) {
  delete[] key;
}

void IntHash::CopyKey(char* destination, const char* source) {
  strcpy(destination, source);
}
